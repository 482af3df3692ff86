// The real anglewise-cli as a user runs it: exit statuses, the one-sentence
// usage errors, output that cannot be written, and hostile script input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <cairo.h>

#include <nlohmann/json.hpp>

#include "anglewise_version.h"
#include "tests/cli/cli_run.h"
#include "tests/fakes/temp_folder.h"

namespace anglewise {
namespace {

namespace fs = std::filesystem;

struct UsageCase {
  const char* name;
  const char* args;
  const char* sentence;
};

void PrintTo(const UsageCase& c, std::ostream* out) {
  *out << c.name;
}

class UsageErrorTest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, OneSentenceAndStatusTwo) {
  CliRun run = cli(GetParam().args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, std::string("anglewise-cli: ") + GetParam().sentence + "\n");
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageErrorTest,
    testing::Values(
        UsageCase{"NoCommand", "",
                  "say what to do: anglewise-cli solve --right X=3 Y=4, or anglewise-cli script "
                  "FILE (see anglewise-cli --help)."},
        UsageCase{"UnknownCommand", "frobnicate",
                  "there is no command \"frobnicate\": the commands are solve, script, batch and "
                  "history (see "
                  "anglewise-cli --help)."},
        UsageCase{"UnknownOption", "solve --bogus",
                  "solve has no option \"--bogus\": its options are --right, --oblique, --given, "
                  "--obtuse, --dms, --places, --svg, --png, --pdf, --overlays, --json and "
                  "--report."},
        UsageCase{"DoubleEquals", "solve --right X==3",
                  "\"X==3\" has more than one \"=\": write one between name and value, such as "
                  "X=3."},
        UsageCase{"UnknownName", "solve --right Q=3",
                  "\"Q=3\" is not NAME=VALUE with NAME one of X, Y, Z, A, B, such as X=3."},
        UsageCase{"GivenTwice", "solve --right X=3 x=4", "X is given twice: give each value once."},
        UsageCase{"NoValues", "solve --oblique",
                  "give the known values as NAME=VALUE, such as X=3 Y=4."},
        UsageCase{"NoKind", "solve X=3 Y=4",
                  "choose the kind of triangle with --right or --oblique."},
        UsageCase{"BothKinds", "solve --right --oblique X=3",
                  "choose one of --right and --oblique, not both."},
        UsageCase{"PlacesSeven", "solve --right X=3 Y=4 --places 7",
                  "--places takes 4, 8, 12 or 14, not \"7\"."},
        UsageCase{"SvgWithoutFile", "solve --right X=3 Y=4 --svg",
                  "--svg needs a file name, such as --svg figure.svg."},
        UsageCase{"TwoScriptFiles", "script a b",
                  "script reads one file of sessions, so \"b\" is one too many."},
        UsageCase{"GivenWithAKind", "solve --given --right X=3 Y=4 C=90",
                  "--given solves from any three measures, whatever the kind: leave out --right "
                  "and --oblique."},
        UsageCase{"GivenDrawn", "solve --given X=3 Y=4 C=90 --svg f.svg",
                  "--given gives every triangle the measures make, in text or --json: leave out "
                  "--obtuse, --svg, --png, --pdf and --overlays."},
        UsageCase{"GivenUnknownName", "solve --given X=3 Y=4 D=90",
                  "\"D=90\" is not NAME=VALUE with NAME one of X, Y, Z, A, B, C, hX, hY, hZ, mX, "
                  "mY, mZ, tA, tB, tC, area, perimeter, inradius, circumradius, such as X=3."},
        UsageCase{"GivenMeasureTwice", "solve --given hX=3 HX=4 A=30",
                  "hX is given twice: give each value once."},
        UsageCase{"GivenTiedMeasures", "solve --given area=6 perimeter=12 inradius=1",
                  "area, perimeter and inradius are bound by area = inradius perimeter / 2, so "
                  "they fix no triangle or infinitely many: give another measure."},
        UsageCase{"GivenNegativeHeight", "solve --given hX=-3 Y=4 Z=5",
                  "hX must be a length greater than 0."},
        UsageCase{"GivenThreeAngles", "solve --given A=30 B=60 C=90",
                  "Three angles fix the shape but not the size: give one length."},
        UsageCase{"GivenTwo", "solve --given X=3 C=90", "give three measures, not 2."},
        UsageCase{"JobsZero", "batch --jobs 0",
                  "--jobs takes a whole number of threads from 1 to 256, not \"0\"."},
        UsageCase{"JobsWord", "batch --jobs many",
                  "--jobs takes a whole number of threads from 1 to 256, not \"many\"."},
        UsageCase{"EmptyColumnName", "batch --columns kind,,X",
                  "--columns takes the input's column names separated by commas, such as "
                  "id,kind,X,Y,Z, not \"kind,,X\"."},
        UsageCase{"TwoBatchFiles", "batch a.csv b.csv",
                  "batch takes one CSV file and the options --format, --report, --columns, "
                  "--no-header, --jobs and --any, so \"b.csv\" is one too many."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTest, HelpListsEveryCommandAndTheExitStatuses) {
  CliRun run = cli("--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find(
                "Exit status: 0 done; 1 nothing solved (solve), a session had an error (script)\n"
                "or a row was refused or had an error (batch) or an entry answers differently\n"
                "now (history --replay); 2 a usage error, or an input file\n"
                "that batch cannot read; 3 a file or stream could not be read or written.\n"),
            std::string::npos)
      << run.out;
  for (const char* command : {"\n  script ", "\n  solve ", "\n  batch ", "\n  --version "}) {
    EXPECT_NE(run.out.find(command), std::string::npos) << command << "\n" << run.out;
  }
}

TEST(CommandLineTest, VersionIsSaidAsTheWindowSaysIt) {
  CliRun run = cli("--version");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string("anglewise-cli ") + kVersion + "\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(cli("solve --version").status, 2);
}

TEST(CommandLineTest, SolvedFailedAndUnwritable) {
  EXPECT_EQ(cli("solve --right X=3 Y=4").status, 0);
  CliRun failed = cli("solve --oblique X=10 Y=2 Z=3");
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "");
  CliRun full = cli("solve --right X=3 Y=4", "/dev/full");
  EXPECT_EQ(full.status, 3);
  EXPECT_EQ(full.err, "anglewise-cli: could not write the output: No space left on device.\n");
  CliRun svg = cli("solve --right X=3 Y=4 --svg /nonexistent/dir/f.svg");
  EXPECT_EQ(svg.status, 3);
  EXPECT_EQ(svg.err,
            "anglewise-cli: could not write /nonexistent/dir/f.svg: No such file or directory.\n");
}

TEST(CommandLineTest, JsonHasTheKeysScriptsRelyOn) {
  CliRun run = cli("solve --oblique X=10 Y=6 A=30 --json");
  EXPECT_EQ(run.status, 0);
  nlohmann::json answer = nlohmann::json::parse(run.out);
  EXPECT_EQ(answer["captions"].size(), 12u);
  EXPECT_EQ(answer["captions"]["zrad"], " 11.9768788282");
  EXPECT_TRUE(answer["messages"].empty());
  EXPECT_EQ(answer["record"]["sideX"], 10);
  const nlohmann::json& report = answer["report"];
  ASSERT_EQ(report["triangles"].size(), 2u);
  EXPECT_EQ(report["shown"], 0);
  EXPECT_EQ(report["consistent"], true);
  EXPECT_TRUE(report["note"].is_null());
  for (const char* key :
       {"X", "Y", "Z", "A", "B", "C", "perimeter", "semiperimeter", "area", "heights", "medians",
        "bisectors", "exradii", "inradius", "circumradius", "type"}) {
    EXPECT_TRUE(report["triangles"][1].contains(key)) << key;
  }
  EXPECT_EQ(report["triangles"][1]["bisectors"].size(), 3u);
  EXPECT_TRUE(report["triangles"][1]["bisectors"].contains("C"));
  EXPECT_EQ(report["triangles"][1]["type"]["angles"], "obtuse");
  EXPECT_EQ(report["triangles"][1]["B"], 123.55730976192072);
}

TEST(CommandLineTest, AShownTriangleThatDoesNotFitIsSaidOnStderr) {
  CliRun run = cli("solve --oblique X=6 Y=3 Z=4");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "The given values make B obtuse, 117.279612735978 degrees, and the window shows the "
            "acute reading 62.720387264022 degrees.\n");
}

// The files as other programs read them: an SVG renderer, cairo's PNG
// reader, and pdftotext for the report page.
TEST(CommandLineTest, FigureAndReportFilesAreReadBack) {
  TempFolder folder;
  std::string svg = (folder.path() / "f.svg").string(), png = (folder.path() / "f.png").string(),
              pdf = (folder.path() / "r.pdf").string();
  CliRun run = cli("solve --right X=3 Y=4 --svg " + svg + " --png " + png + " --pdf " + pdf);
  ASSERT_EQ(run.status, 0) << run.err;
  std::string rendered = (folder.path() / "svg.png").string();
  EXPECT_EQ(std::system(("rsvg-convert " + svg + " -o " + rendered).c_str()), 0);
  for (const std::string& image : {png, rendered}) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(image.c_str());
    ASSERT_EQ(cairo_surface_status(surface), CAIRO_STATUS_SUCCESS) << image;
    EXPECT_GT(cairo_image_surface_get_width(surface), 200) << image;
    cairo_surface_destroy(surface);
  }
  std::string text = (folder.path() / "r.txt").string();
  ASSERT_EQ(std::system(("pdftotext -layout " + pdf + " " + text).c_str()), 0);
  std::string page = slurp(text);
  for (const char* words : {"Anglewise", "X = 3", "Triangle Report", "Circumradius", "Working",
                            "Z = sqrt(Y*Y + X*X) = 5"}) {
    EXPECT_NE(page.find(words), std::string::npos) << words << "\n" << page;
  }
}

class ScriptFileTest : public testing::Test {
 protected:
  std::string write(const std::string& lines) {
    std::ofstream(dir / "sessions.jsonl") << lines;
    return (dir / "sessions.jsonl").string();
  }
  TempFolder folder;
  fs::path dir = folder.path();
};

TEST_F(ScriptFileTest, FolderMissingFileAndFullOutputFail) {
  CliRun folderGiven = cli("script " + dir.string());
  EXPECT_EQ(folderGiven.status, 3);
  EXPECT_EQ(folderGiven.err,
            "anglewise-cli: " + dir.string() +
                " is a folder: give a file of sessions, one JSON object a line.\n");
  CliRun missing = cli("script " + (dir / "none").string());
  EXPECT_EQ(missing.status, 3);
  EXPECT_EQ(missing.err, "anglewise-cli: cannot read " + (dir / "none").string() +
                             ": No such file or directory.\n");
  CliRun full = cli("script " + write("{\"actions\": []}\n"), "/dev/full");
  EXPECT_EQ(full.status, 3);
}

// Nesting far past what JSON writers recurse through: the deep sessions are
// refused, each in its own answer line, and the sessions around them run.
TEST_F(ScriptFileTest, DeeplyNestedSessionsAreRefusedAndTheRestRun) {
  const std::string deep = std::string(70000, '[') + std::string(70000, ']');
  CliRun run = cli("script " + write("{\"id\": 1, \"actions\": []}\n"
                                     "{\"id\": " +
                                     deep +
                                     ", \"actions\": []}\n"
                                     "{\"id\": 3, \"actions\": [" +
                                     deep +
                                     "]}\n"
                                     "{\"id\": 4, \"actions\": [[\"click\", \"Check9\"]]}\n"
                                     "{\"id\": 5, \"actions\": []}\n"));
  EXPECT_EQ(run.status, 1);
  std::istringstream lines(run.out);
  std::vector<nlohmann::json> answers;
  for (std::string line; std::getline(lines, line);) answers.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(answers.size(), 5u);
  EXPECT_TRUE(answers[0]["error"].is_null());
  EXPECT_EQ(answers[1], (nlohmann::json{{"id", nullptr},
                                        {"error",
                                         "line 2: the session nests deeper than 64 "
                                         "levels of arrays and objects"}}));
  EXPECT_EQ(answers[2]["id"], 3);
  EXPECT_EQ(answers[3]["error"], "line 4: no clickable control named \"Check9\"");
  EXPECT_EQ(answers[4]["id"], 5);
  EXPECT_TRUE(answers[4]["error"].is_null());
}

}  // namespace
}  // namespace anglewise

namespace anglewise {
namespace {

// Batch solving through the real binary: CSV as spreadsheets write it.
class BatchTest : public testing::Test {
 protected:
  CliRun batch(const std::string& csv, const std::string& options = "") {
    std::ofstream(folder.path() / "in.csv", std::ios::binary) << csv;
    return cli("batch " + options + " " + (folder.path() / "in.csv").string());
  }
  TempFolder folder;
};

TEST_F(BatchTest, EachRowAsTheWindowSolvesItAndBadRowsSayWhy) {
  CliRun run = batch(
      "\xEF\xBB\xBFid,kind,X,Y,Z,A,B,obtuse,places\r\n"
      "legs,right,3,4,,,,,\r\n"
      "\"obtuse, please\",oblique,10,6,,30,,1,4\r\n"
      "seven,right,3,4,,,,,7\r\n"
      ",oblique,\"6\",3,4\r\n"
      "\"two\nlines\",right,\"3\n4\",4\r\n"
      "last,oblique,10,2,3\r\n");
  EXPECT_EQ(run.status, 1);
  std::istringstream lines(run.out);
  std::vector<std::string> rows;
  for (std::string line; std::getline(lines, line);) rows.push_back(line);
  ASSERT_EQ(rows.size(), 8u) << run.out;  // the header, six rows, one of them two lines long
  EXPECT_EQ(rows[0],
            "id,status,xlen,yhei,zrad,adec,adms,bdec,bdms,c90dec,c90dms,theHeight,theWidth,theArea,"
            "messages\r");
  EXPECT_EQ(rows[1],
            "legs,solved, 3, 4, 5, 53.130102354156, 53d 7m 48s .368, 36.869897645844, 36d 52m 11s "
            ".632, 90, 90d 0m 0s, 4, 3, 6,\r");
  EXPECT_EQ(rows[2].substr(0, 42), "\"obtuse, please\",solved, 10, 6, 5.3436, 30");
  EXPECT_EQ(rows[3], "seven,error,,,,,,,,,,,,,\"places must be 4, 8, 12 or 14, not \"\"7\"\"\"\r");
  EXPECT_EQ(rows[4].substr(0, 16), "4,solved, 6, 3, ");  // no id: the row's number
  EXPECT_EQ(rows[5], "\"two");
  EXPECT_NE(rows[6].find("error"), std::string::npos);
  EXPECT_EQ(rows[7].substr(0, 13), "last,refused,");
}

TEST_F(BatchTest, JsonLinesAndTheReport) {
  CliRun run = batch("kind,X,Y,Z\noblique,6,3,4\n", "--format jsonl --report");
  EXPECT_EQ(run.status, 0);
  nlohmann::json row = nlohmann::json::parse(run.out);
  EXPECT_EQ(row["id"], "1");
  EXPECT_EQ(row["status"], "solved");
  EXPECT_EQ(row["bdec"], " 62.720387264022");
  EXPECT_EQ(row["consistent"], "false");
  EXPECT_EQ(row["area"], "5.332682251925");
}

TEST_F(BatchTest, UnknownColumnAndUnreadableFileAreUsageErrors) {
  CliRun unknown = batch("kind,X,Q\nright,3,4\n");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err, "anglewise-cli: unknown column \"Q\" in the header of " +
                             (folder.path() / "in.csv").string() +
                             ": the columns are id, kind, X, Y, Z, A, B, obtuse, notation and "
                             "places.\n");
  EXPECT_EQ(unknown.out, "");
  CliRun missing = cli("batch " + (folder.path() / "none.csv").string());
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "anglewise-cli: cannot read " + (folder.path() / "none.csv").string() +
                             ": No such file or directory.\n");
}

}  // namespace
}  // namespace anglewise
