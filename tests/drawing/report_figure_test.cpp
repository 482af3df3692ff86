// The report's figure from its recorded data: every corner where an
// independent mpmath computation (reference.json, make_reference.py) puts
// it, within a pixel at the figure's own scale; every overlay's centres,
// feet and circles; needles with their inset; what a reader is told.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <set>

#include "drawing/report_figure.h"

namespace anglewise::drawing {
namespace {

using nlohmann::json;

struct FigureCase {
  const char* name;
  bool overlays;  ///< its centres are checked (not for needles: ill-conditioned)
};

void PrintTo(const FigureCase& c, std::ostream* out) {
  *out << c.name;
}

std::string caseName(const testing::TestParamInfo<FigureCase>& info) {
  return info.param.name;
}

const json& reference(const std::string& name) {
  static const json all = json::parse(std::ifstream(DRAWING_REFERENCE));
  for (const json& c : all) {
    if (c["name"] == name) return c;
  }
  throw std::runtime_error("no reference case " + name);
}

GivenValues givenOf(const json& g) {
  GivenValues given;
  given.oblique = g["oblique"];
  for (int row = 0; row < 5; ++row) {
    if (g.contains(kRowNames[row])) given.values[row] = g[kRowNames[row]].get<double>();
  }
  return given;
}

TriangleReport reportOf(const GivenValues& given) {
  ReportInput input;
  input.given = given;
  return makeReport(input);
}

Figure figureOf(const std::string& name, OverlaySet overlays) {
  FigureOptions options;
  options.overlays = overlays;
  GivenValues given = givenOf(reference(name)["given"]);
  return drawReportFigure(reportOf(given), given, options);
}

Point expected(const Figure& f, const json& p) {
  return f.view.toFigure({p[0].get<double>(), p[1].get<double>()});
}

double apart(Point a, Point b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

const Group& groupOf(const Figure& f, const std::string& id) {
  const Group* g = f.find(id);
  if (!g) throw std::runtime_error("no group " + id);
  return *g;
}

Point anchorOf(const Figure& f, const std::string& id, const std::string& anchor) {
  std::optional<Point> p = groupOf(f, id).anchor(anchor);
  if (!p) throw std::runtime_error("no anchor " + anchor + " in " + id);
  return *p;
}

const Shape& firstOf(const Group& g, Shape::Kind kind) {
  for (const Shape& s : g.shapes) {
    if (s.kind == kind) return s;
  }
  throw std::runtime_error("no shape of that kind in " + g.id);
}

constexpr FigureCase kCases[] = {
    {"RightThreeFour", true},
    {"AcuteFiveSixSeven", true},
    {"ObtuseSixThreeFour", true},
    {"EquilateralSix", true},
    {"NeedleAngleOneMillionth", false},
    {"NeedleFlatByOneMillionth", false},
    {"AmbiguousTwoTriangles", true},
    {"AmbiguousOneTriangle", true},
    {"AmbiguousOneRightTriangle", true},
    {"AmbiguousNoTriangle", false},
    {"AmbiguousFromZTwoTriangles", true},
    {"AmbiguousAtBTwoTriangles", true},
    {"AmbiguousObtuseShortOfTheHeight", false},
    {"AmbiguousObtuseMeetsOnlyBehind", false},
};

class FigureCornersTest : public testing::TestWithParam<FigureCase> {};

TEST_P(FigureCornersTest, EveryCornerWithinAPixelOfItsTruePlace) {
  const json& ref = reference(GetParam().name);
  Figure f = figureOf(GetParam().name, {});
  ASSERT_GT(f.view.scale, 0);
  const json& triangles = ref["triangles"];
  EXPECT_EQ(f.find("triangle-" + std::to_string(triangles.size() + 1)), nullptr);
  for (size_t n = 0; n < triangles.size(); ++n) {
    std::string id = "triangle-" + std::to_string(n + 1);
    for (const char* corner : {"A", "B", "C"}) {
      Point want = expected(f, triangles[n]["corners"][corner]);
      EXPECT_LE(apart(anchorOf(f, id, corner), want), 1.0) << id << " corner " << corner;
      EXPECT_TRUE(f.area.contains(anchorOf(f, id, corner))) << id << " " << corner;
    }
  }
}

TEST_P(FigureCornersTest, TheSwingingSideMeetsTheLineWhereItTrulyDoes) {
  const json& ref = reference(GetParam().name);
  Figure f = figureOf(GetParam().name, {});
  if (!ref.contains("swing")) {
    EXPECT_EQ(f.find("swing"), nullptr);
    return;
  }
  const json& swing = ref["swing"];
  const Group& arc = groupOf(f, "swing");
  EXPECT_LE(apart(anchorOf(f, "swing", "centre"), expected(f, swing["centre"])), 1.0);
  EXPECT_NEAR(firstOf(arc, Shape::Kind::Arc).radius, swing["radius"].get<double>() * f.view.scale,
              1.0);
  const json& meets = swing["meets"];
  for (size_t i = 0; i < meets.size(); ++i) {
    std::string name = "meet-" + std::to_string(i + 1);
    EXPECT_LE(apart(anchorOf(f, "swing", name), expected(f, meets[i])), 1.0) << name;
  }
  EXPECT_FALSE(arc.anchor("meet-" + std::to_string(meets.size() + 1)));
  if (!swing.contains("missing")) return;
  // No triangle: the height (or side) it fails to reach, the missing length written.
  EXPECT_LE(apart(anchorOf(f, "shortfall", "reach"), expected(f, swing["reach"])), 1.0);
  EXPECT_LE(apart(anchorOf(f, "shortfall", "to"), expected(f, swing["target"])), 1.0);
  EXPECT_LE(apart(anchorOf(f, "given", "A"), expected(f, swing["G"])), 1.0);
  char missing[32];
  std::snprintf(missing, sizeof missing, "missing %.6g", swing["missing"].get<double>());
  EXPECT_EQ(firstOf(groupOf(f, "shortfall"), Shape::Kind::Label).text, missing);
  EXPECT_FALSE(f.notes.empty());
  EXPECT_EQ(f.notes.front().rfind("No triangle:", 0), 0u) << f.notes.front();
}

TEST_P(FigureCornersTest, EveryElementHasAUniqueIdANameAndADescription) {
  Figure f = figureOf(GetParam().name, OverlaySet::all());
  std::set<std::string> ids;
  for (const Group& g : f.groups) EXPECT_TRUE(ids.insert(g.id).second) << g.id << " twice";
  ASSERT_FALSE(f.elements().empty());
  for (const Group* g : f.elements()) {
    EXPECT_FALSE(g->description.empty()) << g->id;
    Rect box = boundsOf(*g);
    EXPECT_TRUE(box.w > 0 || box.h > 0) << g->id << " has no extent";
  }
}

INSTANTIATE_TEST_SUITE_P(EveryCase, FigureCornersTest, testing::ValuesIn(kCases), caseName);

class OverlayPointsTest : public testing::TestWithParam<FigureCase> {};

// Centres come from sides and angles in doubles: a millionth of a pixel is
// far more than their rounding can move them.
constexpr double kCentreTolerance = 1e-6;

void expectAt(const Figure& f, const std::string& id, const std::string& anchor, const json& want) {
  EXPECT_LE(apart(anchorOf(f, id, anchor), expected(f, want)), kCentreTolerance)
      << id << " " << anchor;
}

void expectCircle(const Figure& f, const std::string& id, const json& centre, const json& radius) {
  const Shape& circle = firstOf(groupOf(f, id), Shape::Kind::Circle);
  EXPECT_LE(apart(circle.points[0], expected(f, centre)), kCentreTolerance) << id;
  EXPECT_NEAR(circle.radius, radius.get<double>() * f.view.scale, kCentreTolerance) << id;
}

TEST_P(OverlayPointsTest, CentresFeetAndCirclesWhereTheReferencePutsThem) {
  const json& ref = reference(GetParam().name);
  Figure f = figureOf(GetParam().name, OverlaySet::all());
  const json& triangles = ref["triangles"];
  for (size_t n = 0; n < triangles.size(); ++n) {
    const json& t = triangles[n];
    std::string s = "-" + std::to_string(n + 1);
    expectAt(f, "orthocentre" + s, "at", t["orthocentre"]);
    expectAt(f, "centroid" + s, "at", t["centroid"]);
    expectAt(f, "incentre" + s, "at", t["incentre"]);
    expectAt(f, "circumcentre" + s, "at", t["circumcentre"]);
    expectCircle(f, "incircle" + s, t["incentre"], t["inradius"]);
    expectCircle(f, "circumcircle" + s, t["circumcentre"], t["circumradius"]);
    for (const char* side : {"X", "Y", "Z"}) {
      expectAt(f, std::string("height-") + side + s, "foot", t["feet"][side]);
      expectAt(f, std::string("median-") + side + s, "mid", t["mids"][side]);
      std::string excircle = std::string("excircle-") + side + s;
      expectCircle(f, excircle, t["excentres"][side], t["exradii"][side]);
      expectAt(f, excircle, "touch", t["touches"][side]);
    }
    for (const char* corner : {"A", "B", "C"}) {
      expectAt(f, std::string("bisector-") + corner + s, "to", t["bisectorEnds"][corner]);
    }
    if (GetParam().name == std::string("EquilateralSix")) {
      EXPECT_EQ(f.find("euler" + s), nullptr);
      EXPECT_NE(f.notes.back().find("no Euler line"), std::string::npos) << f.notes.back();
      continue;
    }
    expectAt(f, "euler" + s, "O", t["circumcentre"]);
    expectAt(f, "euler" + s, "G", t["centroid"]);
    expectAt(f, "euler" + s, "H", t["orthocentre"]);
    expectAt(f, "euler" + s, "N", t["ninePoint"]);
  }
}

std::vector<FigureCase> overlayCases() {
  std::vector<FigureCase> out;
  for (const FigureCase& c : kCases) {
    if (c.overlays) out.push_back(c);
  }
  return out;
}

INSTANTIATE_TEST_SUITE_P(EveryCase, OverlayPointsTest, testing::ValuesIn(overlayCases()), caseName);

class NeedleTest : public testing::TestWithParam<FigureCase> {};

TEST_P(NeedleTest, ANoteAndAnInsetThatShowsItsShape) {
  Figure f = figureOf(GetParam().name, {});
  ASSERT_FALSE(f.notes.empty());
  EXPECT_NE(f.notes.front().find("needle"), std::string::npos) << f.notes.front();
  const Group& inset = groupOf(f, "inset-triangle-1");
  EXPECT_TRUE(inset.inInset);
  EXPECT_EQ(inset.parent, "inset-1");
  double top = 1e9, bottom = -1e9;
  for (const char* corner : {"A", "B", "C"}) {
    top = std::min(top, anchorOf(f, "inset-triangle-1", corner).y);
    bottom = std::max(bottom, anchorOf(f, "inset-triangle-1", corner).y);
  }
  EXPECT_GT(bottom - top, 40) << "the inset shows the needle's height";
  // The inset lies below the drawing, never over it.
  EXPECT_GE(boundsOf(groupOf(f, "inset-1")).y, f.area.y + f.area.h);
}

INSTANTIATE_TEST_SUITE_P(Needles, NeedleTest,
                         testing::Values(FigureCase{"NeedleAngleOneMillionth", false},
                                         FigureCase{"NeedleFlatByOneMillionth", false}),
                         caseName);

TEST(ReportFigureTest, TheShownTriangleIsTintedAndNamed) {
  GivenValues given = givenOf(reference("AmbiguousTwoTriangles")["given"]);
  TriangleReport report = reportOf(given);
  report.shown = 1;  // as if the window showed the second (obtuse) one
  Figure f = drawReportFigure(report, given, {});
  EXPECT_EQ(groupOf(f, "triangle-2").name, "Triangle 2 (shown)");
  EXPECT_EQ(groupOf(f, "triangle-1").name, "Triangle 1");
  EXPECT_TRUE(firstOf(groupOf(f, "triangle-2"), Shape::Kind::Polygon).tint);
  EXPECT_FALSE(firstOf(groupOf(f, "triangle-1"), Shape::Kind::Polygon).tint);
  // Letters: the shared corners once, the moving corner numbered.
  std::multiset<std::string> letters;
  for (const Group& g : f.groups) {
    for (const Shape& s : g.shapes) {
      if (s.kind == Shape::Kind::Label && g.parent.rfind("triangle-", 0) == 0)
        letters.insert(s.text);
    }
  }
  EXPECT_EQ(letters, (std::multiset<std::string>{"A", "C", "B\u2081", "B\u2082", "X", "Y\u2081",
                                                 "Y\u2082", "Z\u2081", "Z\u2082"}));
}

TEST(ReportFigureTest, WithoutTheGivenValuesTwoTrianglesStillShowTheirSwing) {
  GivenValues given = givenOf(reference("AmbiguousTwoTriangles")["given"]);
  Figure f = drawReportFigure(reportOf(given), OverlaySet());
  EXPECT_NE(f.find("swing"), nullptr);
  EXPECT_EQ(groupOf(f, "swing").name, "Arc of side Y about C");
  EXPECT_NE(groupOf(f, "swing").description.find("twice"), std::string::npos);
}

TEST(ReportFigureTest, NoTriangleFromThreeSidesSaysWhy) {
  GivenValues given;
  given.oblique = true;
  given.values = {1, 2, 5, std::nullopt, std::nullopt};
  TriangleReport report = reportOf(given);
  Figure f = drawReportFigure(report, given, {});
  EXPECT_TRUE(f.elements().empty());
  ASSERT_FALSE(f.notes.empty());
  EXPECT_EQ(f.notes.front().rfind("No triangle: " + report.why.substr(0, 20), 0), 0u);
}

TEST(ReportFigureTest, TheLegendNamesEveryOverlayThatIsOn) {
  FigureOptions options;
  options.overlays.set(Overlay::Incircle).set(Overlay::Euler);
  GivenValues given = givenOf(reference("AmbiguousTwoTriangles")["given"]);
  Figure f = drawReportFigure(reportOf(given), given, options);
  std::vector<std::string> texts;
  for (const LegendEntry& e : f.legend) texts.push_back(e.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Arc of side Y about C", "Triangle 1", "Triangle 2",
                                             "Incircle", "Euler line"}));
  ASSERT_TRUE(f.legendAt.has_value());
  options.legend = false;
  EXPECT_FALSE(drawReportFigure(reportOf(given), given, options).legendAt.has_value());
}

}  // namespace
}  // namespace anglewise::drawing
