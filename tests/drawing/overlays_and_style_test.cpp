// The overlay list of the command line and the settings file, the table
// rows each element answers for, what a pointer finds, and a style that
// keeps every overlay apart by dash and marker and readable on light and
// dark backgrounds.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "drawing/report_figure.h"
#include "drawing/report_rows.h"
#include "drawing/style.h"

namespace anglewise::drawing {
namespace {

struct ListCase {
  const char* name;
  const char* list;
  const char* parsed;  ///< overlayList() of the result, or nullptr for an error
  const char* wrong;   ///< for an error: how it names what was wrong
};

void PrintTo(const ListCase& c, std::ostream* out) {
  *out << c.name;
}

constexpr char kNotAnOverlay[] =
    " is not an overlay: give all, none, or a comma list of heights, medians, bisectors, "
    "incircle, circumcircle, excircles and euler";

class OverlayListTest : public testing::TestWithParam<ListCase> {};

TEST_P(OverlayListTest, ReadsTheListOrSaysWhyNot) {
  std::string error;
  std::optional<OverlaySet> set = parseOverlays(GetParam().list, &error);
  if (!GetParam().parsed) {
    EXPECT_FALSE(set.has_value());
    EXPECT_EQ(error, std::string(GetParam().wrong) + kNotAnOverlay);
    return;
  }
  ASSERT_TRUE(set.has_value()) << error;
  EXPECT_EQ(overlayList(*set), GetParam().parsed);
  EXPECT_EQ(parseOverlays(overlayList(*set)), set) << "the list reads back";
}

INSTANTIATE_TEST_SUITE_P(
    Lists, OverlayListTest,
    testing::Values(ListCase{"All", "all",
                             "heights,medians,bisectors,incircle,circumcircle,excircles,euler", ""},
                    ListCase{"None", "none", "none", ""},
                    ListCase{"Two", "heights,medians", "heights,medians", ""},
                    ListCase{"OrderAndBlanksDoNotMatter", " euler , incircle", "incircle,euler",
                             ""},
                    ListCase{"Repeated", "euler,euler", "euler", ""},
                    ListCase{"Unknown", "heights,circles", nullptr, "\"circles\""},
                    ListCase{"Empty", "", nullptr, "an empty overlay name"},
                    ListCase{"EmptyItem", "heights,,medians", nullptr, "an empty overlay name"},
                    ListCase{"CapitalLetters", "Heights", nullptr, "\"Heights\""}),
    [](const testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

struct RowCase {
  const char* label;
  int triangle;
  const char* element;
};

void PrintTo(const RowCase& c, std::ostream* out) {
  *out << c.label << " " << c.triangle;
}

class ReportRowsTest : public testing::TestWithParam<RowCase> {};

TEST_P(ReportRowsTest, EachRowStandsForItsElement) {
  EXPECT_EQ(elementOfRow(GetParam().label, GetParam().triangle), GetParam().element);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReportRowsTest,
    testing::Values(RowCase{"X", 1, "side-X-1"}, RowCase{"Z", 2, "side-Z-2"},
                    RowCase{"A (degrees)", 1, "angle-A-1"}, RowCase{"C (D/M/S)", 2, "angle-C-2"},
                    RowCase{"B (radians)", 1, "angle-B-1"}, RowCase{"Height to Y", 1, "height-Y-1"},
                    RowCase{"Median to Z", 2, "median-Z-2"},
                    RowCase{"Bisector of B", 1, "bisector-B-1"},
                    RowCase{"Exradius opposite X", 1, "excircle-X-1"},
                    RowCase{"Inradius", 2, "incircle-2"},
                    RowCase{"Circumradius", 1, "circumcircle-1"}, RowCase{"Area", 1, "triangle-1"},
                    RowCase{"By angles", 2, "triangle-2"}, RowCase{"Height to Q", 1, ""},
                    RowCase{"Working", 1, ""}),
    [](const testing::TestParamInfo<RowCase>& info) {
      std::string name;
      for (char c : std::string(info.param.label)) {
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
      }
      return name + "Of" + std::to_string(info.param.triangle);
    });

TEST(ReportRowsTest, EachOverlaysElementsBelongToIt) {
  EXPECT_EQ(overlayOfElement("orthocentre-2"), Overlay::Heights);
  EXPECT_EQ(overlayOfElement("centroid-1"), Overlay::Medians);
  EXPECT_EQ(overlayOfElement("incentre-1"), Overlay::Bisectors);
  EXPECT_EQ(overlayOfElement("circumcentre-1"), Overlay::Circumcircle);
  EXPECT_EQ(overlayOfElement("excircle-Y-2"), Overlay::Excircles);
  EXPECT_EQ(overlayOfElement("euler-1"), Overlay::Euler);
  EXPECT_EQ(overlayOfElement("side-X-1"), std::nullopt);
  EXPECT_EQ(overlayOfElement("triangle-2"), std::nullopt);
}

TEST(ReportRowsTest, ACentreAnswersForItsCircle) {
  EXPECT_EQ(rowElementOf("incentre-2"), "incircle-2");
  EXPECT_EQ(rowElementOf("circumcentre-1"), "circumcircle-1");
  EXPECT_EQ(rowElementOf("height-X-1"), "height-X-1");
}

struct PaletteCase {
  const char* name;
  Colour background, foreground;
};

void PrintTo(const PaletteCase& c, std::ostream* out) {
  *out << c.name;
}

class StyleTest : public testing::TestWithParam<PaletteCase> {};

constexpr Role kOverlayRoles[] = {Role::Height,   Role::Median,       Role::Bisector,
                                  Role::Incircle, Role::Circumcircle, Role::Excircle,
                                  Role::Euler};

TEST_P(StyleTest, EveryRoleReadsOnTheBackground) {
  Style s = styleOn(GetParam().background, GetParam().foreground, {0, 120, 215});
  for (int role = 0; role < kRoleCount; ++role) {
    EXPECT_GE(contrast(s.roles[role].colour, s.background), kGraphicContrast) << "role " << role;
    EXPECT_GE(s.roles[role].width, 1.0) << "no line of zero width";
  }
  EXPECT_GE(contrast(s.foreground, s.background), kTextContrast);
}

TEST_P(StyleTest, OverlaysDifferInColourDashAndMarker) {
  Style s = styleOn(GetParam().background, GetParam().foreground, {0, 120, 215});
  std::set<std::vector<double>> dashes;
  std::set<Marker> markers;
  std::set<std::tuple<int, int, int>> colours;
  for (Role role : kOverlayRoles) {
    const RoleStyle& r = s.of(role);
    dashes.insert(r.dash);
    markers.insert(r.marker);
    colours.insert({r.colour.r, r.colour.g, r.colour.b});
  }
  EXPECT_EQ(dashes.size(), std::size(kOverlayRoles));
  EXPECT_EQ(markers.size(), std::size(kOverlayRoles));
  EXPECT_EQ(colours.size(), std::size(kOverlayRoles));
}

INSTANTIATE_TEST_SUITE_P(Palettes, StyleTest,
                         testing::Values(PaletteCase{"White", {255, 255, 255}, {0, 0, 0}},
                                         PaletteCase{"Black", {0, 0, 0}, {255, 255, 255}},
                                         PaletteCase{"DarkerScheme", {49, 54, 59}, {239, 240, 241}},
                                         PaletteCase{"MidGrey", {128, 128, 128}, {0, 0, 0}},
                                         PaletteCase{"Cream", {255, 250, 225}, {40, 40, 40}}),
                         [](const testing::TestParamInfo<PaletteCase>& info) {
                           return std::string(info.param.name);
                         });

Figure ambiguousFigure(OverlaySet overlays) {
  GivenValues given;
  given.oblique = true;
  given.values = {10, 6, std::nullopt, 30, std::nullopt};
  ReportInput input;
  input.given = given;
  FigureOptions options;
  options.overlays = overlays;
  return drawReportFigure(makeReport(input), given, options);
}

Point middleOf(const Group& g) {
  const Shape& line = g.shapes.front();
  return {(line.points[0].x + line.points[1].x) / 2, (line.points[0].y + line.points[1].y) / 2};
}

TEST(ElementAtTest, APointerFindsTheLineUnderIt) {
  Figure f = ambiguousFigure(OverlaySet().set(Overlay::Heights));
  for (const char* id : {"height-X-1", "height-Y-1", "height-Z-2", "side-X-1", "side-Y-2"}) {
    const Group* line = f.find(id);
    ASSERT_NE(line, nullptr) << id;
    EXPECT_EQ(elementAt(f, middleOf(*line)), id);
  }
}

TEST(ElementAtTest, APointerFindsTheCircleUnderIt) {
  Figure f = ambiguousFigure(OverlaySet().set(Overlay::Incircle));
  const Group* incircle = f.find("incircle-2");
  ASSERT_NE(incircle, nullptr);
  // Every point of the circle finds it, where it touches a side too: it is
  // drawn over the side.
  const Shape& circle = incircle->shapes.front();
  for (int i = 0; i < 12; ++i) {
    double a = i * M_PI / 6;
    Point p{circle.points[0].x + circle.radius * std::cos(a),
            circle.points[0].y + circle.radius * std::sin(a)};
    EXPECT_EQ(elementAt(f, p), "incircle-2") << "at " << i * 30 << " degrees";
  }
  EXPECT_EQ(elementAt(f, {1, 1}), "") << "far from everything";
}

TEST(ElementAtTest, InsideATriangleFindsTheTriangle) {
  Figure f = ambiguousFigure({});
  Point a = *f.find("triangle-1")->anchor("A"), b = *f.find("triangle-1")->anchor("B"),
        c = *f.find("triangle-1")->anchor("C");
  // Near C, inside the first triangle only.
  Point inside{(a.x + b.x + 6 * c.x) / 8, (a.y + b.y + 6 * c.y) / 8};
  EXPECT_EQ(elementAt(f, inside), "triangle-1");
}

}  // namespace
}  // namespace anglewise::drawing
