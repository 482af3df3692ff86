// The report's numbers against an independent reference (mpmath at
// thousands of bits, textbook formulas, see make_reference.py): every double
// and every digit exactly, group by group.
// And the report's judgement of what the window shows, through the window.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>

#include <nlohmann/json.hpp>

#include "report/report_values.h"
#include "report/triangle_report.h"
#include "tests/mainwindow/session.h"

namespace anglewise {
namespace {

using json = nlohmann::json;

double fromText(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

const json& referenceFile() {
  static const json file = json::parse(std::ifstream(REPORT_REFERENCE));
  return file;
}

const json& reference() {
  return referenceFile()["cases"];
}

// Where each CSV column sits in the reference's triangles.
size_t columnIndex(const std::string& column) {
  const json& columns = referenceFile()["columns"];
  for (size_t i = 0; i < columns.size(); ++i) {
    if (columns[i] == column) return i;
  }
  return columns.size();
}

ReportInput inputOf(const json& c) {
  ReportInput input;
  input.given.oblique = c["oblique"];
  input.places = c.value("places", 14);
  for (int row = 0; row < 5; ++row) {
    if (c["given"].contains(kRowNames[row])) {
      input.given.values[row] = fromText(c["given"][kRowNames[row]]);
    }
  }
  return input;
}

struct ReferenceGroup {
  const char* name;
};

void PrintTo(const ReferenceGroup& g, std::ostream* out) {
  *out << g.name;
}

class ReferenceTest : public testing::TestWithParam<ReferenceGroup> {};

// Every value of the table the reference knows (by its CSV column): the
// JSON double and the text, digit for digit; D/M/S and the types as text.
TEST_P(ReferenceTest, EveryDoubleAndDigitIsTheCorrectRounding) {
  size_t cases = 0, compared = 0;
  for (const json& c : reference()) {
    if (c["group"] != GetParam().name) continue;
    ++cases;
    SCOPED_TRACE(c["name"].get<std::string>());
    ReportInput input = inputOf(c);
    input.withWorking = false;
    TriangleReport report = makeReport(input);
    ASSERT_TRUE(report.settled);
    ASSERT_EQ(report.triangles.size(), c["triangles"].size()) << report.why;
    for (size_t i = 0; i < report.triangles.size(); ++i) {
      const json& expected = c["triangles"][i];
      const ReportTriangle& t = report.triangles[i];
      for (const ReportValue& row : reportValues()) {
        size_t at = columnIndex(row.column);
        if (at >= expected.size() || expected[at].is_null()) continue;
        const json& e = expected[at];
        if (e.is_array()) {
          EXPECT_EQ(valueNumber(row, t), fromText(e[0]))
              << "triangle " << i + 1 << " " << row.column;
          EXPECT_EQ(valueText(row, t), e[1].get<std::string>())
              << "triangle " << i + 1 << " " << row.column;
          compared += 2;
        } else {
          EXPECT_EQ(valueText(row, t), e.get<std::string>())
              << "triangle " << i + 1 << " " << row.column;
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(cases, 0u);
  RecordProperty("comparisons", static_cast<int>(compared));
  std::printf("%s: %zu cases, %zu comparisons\n", GetParam().name, cases, compared);
}

INSTANTIATE_TEST_SUITE_P(Groups, ReferenceTest,
                         testing::Values(ReferenceGroup{"Needles"},
                                         ReferenceGroup{"IncludedAngles"},
                                         ReferenceGroup{"Isosceles"}, ReferenceGroup{"RightAngles"},
                                         ReferenceGroup{"Flat"}, ReferenceGroup{"Ambiguous"},
                                         ReferenceGroup{"Ties"}, ReferenceGroup{"Verdicts"},
                                         ReferenceGroup{"Random"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct WindowCase {
  const char* name;
  Actions actions;
  bool consistent;
  const char* note;
  std::optional<int> shown;
};

void PrintTo(const WindowCase& c, std::ostream* out) {
  *out << c.name;
}

class ReportOfTheWindowTest : public testing::TestWithParam<WindowCase> {};

TEST_P(ReportOfTheWindowTest, SaysWhetherTheShownTriangleFits) {
  auto w = play(GetParam().actions + Actions{{"click", "displaynow"}});
  TriangleReport report = makeReport(w->window.reportInput());
  EXPECT_EQ(report.consistent, GetParam().consistent);
  EXPECT_EQ(report.note, GetParam().note);
  EXPECT_EQ(report.shown, GetParam().shown);
}

const Actions kOblique = {{"click", "optOBL"}};
const Actions kObtuse = {{"click", "over90checked"}};

INSTANTIATE_TEST_SUITE_P(
    Sessions, ReportOfTheWindowTest,
    testing::Values(
        WindowCase{"ThreeSidesWithObtuseB",
                   kOblique + given(1, "6") + given(2, "3") + given(3, "4"), false,
                   "The given values make B obtuse, 117.279612735978 degrees, and the window shows "
                   "the acute reading 62.720387264022 degrees.",
                   std::nullopt},
        WindowCase{"YZBWithObtuseA",
                   kOblique + given(2, "6") + given(3, "4") + given(5, "26.384329749408"), false,
                   "The given values make A obtuse, 117.279612735978 degrees, and the window shows "
                   "the acute reading 62.720387264022 degrees.",
                   std::nullopt},
        WindowCase{"XZARefusedThoughItExists",
                   kOblique + given(1, "10") + given(3, "3") + given(4, "30"), false,
                   "The window refused these values, yet they make a triangle: X = 10, Y = "
                   "7.552382125723, Z = 3, A = 30, B = 138.544147078412, C = 11.455852921588.",
                   std::nullopt},
        WindowCase{"AmbiguousAcuteShown",
                   kOblique + given(1, "10") + given(2, "6") + given(4, "30"), true, "", 0},
        WindowCase{"AmbiguousObtuseShown",
                   kOblique + given(1, "10") + given(2, "6") + given(4, "30") + kObtuse, true, "",
                   1},
        WindowCase{"RightTriangleFits",
                   Actions{{"click", "opt90D"}} + given(1, "3") + given(2, "4"), true, "", 0},
        WindowCase{"TinyAngleShownTooLarge",
                   Actions{{"click", "opt90D"}, {"menu", "mnuNone"}} + given(1, "1") +
                       given(2, "200000046062401"),
                   false,
                   "The given values make B 2.86478831585898e-13, and the window shows "
                   "1.84741111297626e-13.",
                   std::nullopt},
        WindowCase{"UnderflowNeverFits",
                   Actions{{"click", "opt90D"}} + given(1, "3e-200") + given(2, "4e-200"), false,
                   "The given values make Z 5e-200, and the window shows 0.", std::nullopt},
        WindowCase{"SidesThatDoNotCloseRefused",
                   kOblique + given(1, "10") + given(2, "2") + given(3, "3"), true, "",
                   std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// After a refused Display the working says what the user sees: the ticks,
// and the rule they broke; what an earlier Display showed stays described.
TEST(ReportWorking, ARefusedDisplaySaysWhichBoxesAreTickedAndWhy) {
  const Actions right = {{"click", "opt90D"}};
  const Actions display = {{"click", "displaynow"}};
  struct Case {
    const char* name;
    Actions actions;
    std::vector<std::string> working;  // its first lines
  } cases[] = {
      {"ThreeTickedForARightTriangle",
       right + given(1, "3") + given(2, "4") + given(3, "5") + display,
       {"The last Display was refused: X, Y and Z are ticked, and a right triangle takes at most "
        "two given values."}},
      {"BothAnglesForARightTriangle",
       right + given(1, "3") + given(4, "30") + given(5, "60") + display,
       {"The last Display was refused: X, A and B are ticked, and a right triangle takes only one "
        "of the angles A and B."}},
      {"FourTickedForAnObliqueTriangle",
       Actions{{"click", "optOBL"}} + given(1, "3") + given(2, "4") + given(3, "5") +
           given(4, "30") + display,
       {"The last Display was refused: X, Y, Z and A are ticked, and an oblique triangle takes "
        "at most three given values."}},
      {"NoSide",
       right + given(4, "30") + display,
       {"The last Display was refused: A is ticked, and no side X, Y or Z has a value: every "
        "triangle needs a side."}},
      {"RefusedAfterASolve",
       right + given(1, "3") + given(2, "4") + display + given(3, "5") + display,
       {"The last Display was refused: X, Y and Z are ticked, and a right triangle takes at most "
        "two given values.",
        "The window's case: X, Y given, right angle at C."}},
  };
  for (const Case& c : cases) {
    auto w = play(c.actions);
    std::vector<std::string> working = makeReport(w->window.reportInput()).working;
    ASSERT_GE(working.size(), c.working.size()) << c.name;
    for (size_t i = 0; i < c.working.size(); ++i) EXPECT_EQ(working[i], c.working[i]) << c.name;
    w->apply({"click", "Clearthebaord"});
    EXPECT_EQ(w->window.reportInput().refusal, "") << c.name << ": Clear forgets the refusal";
  }
}

// The working restates each solver case; its last value of every side and
// angle must be what the window's record holds, for every case of both
// kinds (values chosen away from the window's blind spots).
struct WorkingCase {
  const char* name;
  Actions actions;
};

void PrintTo(const WorkingCase& c, std::ostream* out) {
  *out << c.name;
}

class WorkingAgreesTest : public testing::TestWithParam<WorkingCase> {};

TEST_P(WorkingAgreesTest, LastValuesOfTheWorkingAreTheWindowsRecord) {
  auto w = play(GetParam().actions + Actions{{"click", "displaynow"}});
  const TriangleState& s = w->window.state;
  ASSERT_EQ(s.triangleSolved, 1) << "the window solved nothing";
  std::map<std::string, double> last;
  for (const std::string& line : makeReport(w->window.reportInput()).working) {
    size_t equals = line.find(" = "), value = line.rfind(" = ");
    if (equals == std::string::npos || value == equals) continue;
    last[line.substr(0, equals)] = std::stod(line.substr(value + 3));
  }
  const std::pair<const char*, double> record[] = {{"X", s.sideX},  {"Y", s.sideY},
                                                   {"Z", s.sideZ},  {"A", s.angleA},
                                                   {"B", s.angleB}, {"C", s.angleC}};
  int checked = 0;
  for (const auto& [name, value] : record) {
    if (!last.count(name)) continue;  // a given value: no step computes it
    EXPECT_NEAR(last[name], value, 1e-9 * std::max(1.0, std::abs(value))) << name;
    ++checked;
  }
  EXPECT_GE(checked, 2) << "the working computed too little";
}

const Actions kRight = {{"click", "opt90D"}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryCase, WorkingAgreesTest, testing::Values(
    WorkingCase{"RightXY", kRight + given(1, "3") + given(2, "4")},
    WorkingCase{"RightYZ", kRight + given(2, "4") + given(3, "5")},
    WorkingCase{"RightXZ", kRight + given(1, "3") + given(3, "5")},
    WorkingCase{"RightZA", kRight + given(3, "5") + given(4, "36.87")},
    WorkingCase{"RightXA", kRight + given(1, "3") + given(4, "53.13")},
    WorkingCase{"RightYA", kRight + given(2, "4") + given(4, "53.13")},
    WorkingCase{"RightZB", kRight + given(3, "5") + given(5, "36.87")},
    WorkingCase{"RightXB", kRight + given(1, "3") + given(5, "36.87")},
    WorkingCase{"RightYB", kRight + given(2, "4") + given(5, "36.87")},
    WorkingCase{"ObliqueXYZ", kOblique + given(1, "5") + given(2, "6") + given(3, "7")},
    WorkingCase{"ObliqueYZB", kOblique + given(2, "6") + given(3, "7") + given(5, "44.4")},
    WorkingCase{"ObliqueXZA", kOblique + given(1, "5") + given(3, "7") + given(4, "57.1")},
    WorkingCase{"ObliqueXAB", kOblique + given(1, "5") + given(4, "57") + given(5, "44")},
    WorkingCase{"ObliqueYAB", kOblique + given(2, "6") + given(4, "57") + given(5, "44")},
    WorkingCase{"ObliqueZAB", kOblique + given(3, "7") + given(4, "57") + given(5, "44")},
    WorkingCase{"ObliqueXYA", kOblique + given(1, "5") + given(2, "6") + given(4, "57")},
    WorkingCase{"ObliqueXYAObtuse",
                kOblique + given(1, "10") + given(2, "6") + given(4, "30") + kObtuse},
    WorkingCase{"ObliqueXYB", kOblique + given(1, "6") + given(2, "5") + given(5, "44")},
    WorkingCase{"ObliqueXZB", kOblique + given(1, "6") + given(3, "5") + given(5, "44")},
    WorkingCase{"ObliqueYZA", kOblique + given(2, "6") + given(3, "5") + given(4, "44")}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ReportText, NamesTheShownTriangleAndTheWorking) {
  auto w = play(kOblique + given(1, "10") + given(2, "6") + given(4, "30") +
                Actions{{"click", "displaynow"}});
  std::string text = reportText(makeReport(w->window.reportInput()));
  EXPECT_NE(text.find("Two triangles: Y = 6 against the height X sin A = 5: two triangles"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Triangle 1 (shown)"), std::string::npos);
  EXPECT_NE(text.find("B = arcsin(sin(A) * X / Y) = 56.4426902380793"), std::string::npos);
}

// The copied report has no blanks at the ends of its lines, and its table
// keeps its columns: labels 22 wide, each triangle 24.
TEST(ReportText, TableColumnsWithoutTrailingBlanks) {
  auto w = play(kOblique + given(1, "10") + given(2, "6") + given(4, "30") +
                Actions{{"click", "displaynow"}});
  std::string text = reportText(makeReport(w->window.reportInput()));
  for (const char* line : {"\n                      Triangle 1 (shown)      Triangle 2\n",
                           "\nB (D/M/S)             56d 26m 33s .685        123d 33m 26s .315\n",
                           "\nCircumradius          6                       6\n",
                           "\nBy angles             obtuse                  obtuse\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << text;
  }
}

TEST(ReportText, NoLineEndsWithABlank) {
  std::vector<ReportInput> inputs;
  for (const json& c : reference()) {
    if (c["group"] != "Random") inputs.push_back(inputOf(c));
  }
  // And reports of the window, one of them not fitting together.
  for (const Actions& actions : {kOblique + given(1, "6") + given(2, "3") + given(3, "4"),
                                 kOblique + given(1, "10") + given(3, "3") + given(4, "30"),
                                 kOblique + given(1, "10") + given(2, "2") + given(3, "3")}) {
    inputs.push_back(play(actions + Actions{{"click", "displaynow"}})->window.reportInput());
  }
  for (const ReportInput& input : inputs) {
    std::string text = reportText(makeReport(input));
    ASSERT_EQ(text.back(), '\n');
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', end + 1)) {
      size_t start = end == 0 ? 0 : text.rfind('\n', end - 1) + 1;
      EXPECT_TRUE(end == start || text[end - 1] != ' ')
          << "a blank ends the line \"" << text.substr(start, end - start) << "\"";
    }
  }
}

}  // namespace
}  // namespace anglewise
