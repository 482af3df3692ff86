// The report page as PDF readers see it: one A4 page for every kind of
// report, from no triangle to both of the ambiguous case with a long note
// and working, and every word on the page (pdfinfo, pdftotext -bbox).
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/cli/cli_run.h"
#include "tests/fakes/temp_folder.h"

namespace anglewise {
namespace {

struct PageCase {
  const char* name;
  const char* args;
  int status;
  const char* words;  ///< text the page must show
};

void PrintTo(const PageCase& c, std::ostream* out) {
  *out << c.name;
}

class ReportPdfTest : public testing::TestWithParam<PageCase> {
 protected:
  // What a PDF tool prints about the report; `after` follows the file name.
  std::string read(const std::string& tool, const std::string& after = "") {
    std::string out = (folder.path() / "tool.out").string();
    EXPECT_EQ(std::system((tool + " " + pdf + after + " >" + out).c_str()), 0) << tool;
    return slurp(out);
  }
  TempFolder folder;
  std::string pdf = (folder.path() / "report.pdf").string();
};

TEST_P(ReportPdfTest, OnePageWithEveryWordOnIt) {
  CliRun solved = cli(std::string("solve ") + GetParam().args + " --pdf " + pdf);
  ASSERT_EQ(solved.status, GetParam().status) << solved.err;

  std::string details = read("pdfinfo -box");
  EXPECT_TRUE(std::regex_search(details, std::regex("\nPages: +1\n"))) << details;
  EXPECT_TRUE(std::regex_search(details, std::regex("Page size: +595.28 x 841.89 pts \\(A4\\)")))
      << details;

  std::string words = read("pdftotext -bbox", " -");
  const std::regex box(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">");
  int count = 0;
  for (auto it = std::sregex_iterator(words.begin(), words.end(), box);
       it != std::sregex_iterator(); ++it, ++count) {
    double xMin = std::stod((*it)[1]), yMin = std::stod((*it)[2]);
    double xMax = std::stod((*it)[3]), yMax = std::stod((*it)[4]);
    EXPECT_TRUE(xMin >= 20 && yMin >= 20 && xMax <= 575.28 && yMax <= 821.89)
        << it->str() << " lies off the page or in its margin";
  }
  EXPECT_GT(count, 20);

  std::string page = read("pdftotext -layout", " -");
  for (const char* text :
       {"Anglewise", "Triangle Report", "Working", GetParam().words, "rounded once (settled at"}) {
    EXPECT_NE(page.find(text), std::string::npos) << text << "\n" << page;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportPdfTest,
    testing::Values(
        PageCase{"RightLegs", "--right X=3 Y=4", 0, "Z = sqrt(Y*Y + X*X) = 5"},
        PageCase{"ThreeFourFive", "--oblique X=3 Y=4 Z=5", 0, "Exradius opposite Z"},
        PageCase{"AmbiguousCaseBothTriangles", "--oblique X=10 Y=6 A=30", 0,
                 "Triangle 1 (shown)      Triangle 2"},
        PageCase{"AmbiguousCaseObtuseShown", "--oblique X=10 Y=6 A=30 --obtuse --places 14", 0,
                 "Triangle 2 (shown)"},
        PageCase{"RefusedWithALongNoteAndWorking", "--oblique X=10 Z=3 A=30", 1,
                 "negative where B is obtuse"},
        PageCase{"DegreesMinutesSeconds", "--oblique --dms Z=9 A=40d30m B=75d --places 14", 0,
                 "By angles"},
        PageCase{"NoTriangle", "--oblique X=10 Y=2 Z=3", 1, "No triangle"},
        PageCase{"HugeSides", "--oblique X=1E300 Y=1E300 Z=1E300", 1, "Working"},
        PageCase{"TinyLegs", "--right X=1E-300 Y=1E-300 --places 14", 0, "Circumradius"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace anglewise

namespace anglewise {
namespace {

// --overlays draws the report's figure of every true triangle into the
// figure files, each triangle and overlay element a group of its own.
TEST(OverlaysOption, TheAmbiguousCaseDrawsBothTrianglesWithTheirOverlaysAsGroups) {
  TempFolder folder;
  std::string svg = (folder.path() / "both.svg").string();
  CliRun run = cli("solve --oblique X=10 Y=6 A=30 --overlays incircle,heights --svg " + svg);
  EXPECT_EQ(run.status, 0) << run.err;
  std::string drawn = slurp(svg);
  for (const char* id : {"triangle-1", "triangle-2", "incircle-1", "incircle-2", "swing"}) {
    EXPECT_NE(drawn.find(std::string("id=\"") + id + "\""), std::string::npos) << id;
  }
  EXPECT_EQ(drawn.find("id=\"circumcircle-1\""), std::string::npos) << "an overlay not asked for";
  std::string png = (folder.path() / "both.png").string();
  EXPECT_EQ(cli("solve --oblique X=10 Y=6 A=30 --overlays all --png " + png).status, 0);
  EXPECT_EQ(slurp(png).substr(1, 3), "PNG");
}

TEST(OverlaysOption, AnUnknownOverlayIsOneUsageSentence) {
  CliRun run = cli("solve --right X=3 Y=4 --overlays circles");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "anglewise-cli: --overlays: \"circles\" is not an overlay: give all, none, or a comma "
            "list of heights, medians, bisectors, incircle, circumcircle, excircles and euler.\n");
}

}  // namespace
}  // namespace anglewise
