// Files the command line writes, written whole or not at all: a full disk,
// a file size limit or a missing folder leaves the old file as it was and
// nothing beside it, says so in one sentence with the system's reason and
// exits 3; a file written whole replaces the old one and keeps its
// permissions. And --json prints one JSON document whatever else is asked.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "export/figure_files.h"
#include "headless/headless_window.h"
#include "tests/cli/cli_run.h"
#include "tests/fakes/temp_folder.h"

namespace anglewise {
namespace {

namespace fs = std::filesystem;

struct FileCase {
  const char* name;
  const char* option;  ///< --svg, --png or --pdf
  const char* magic;   ///< how a whole file of the kind begins
  const char* ending;  ///< how a whole file of the kind ends
};

void PrintTo(const FileCase& c, std::ostream* out) {
  *out << c.name;
}

const FileCase kFiles[] = {
    {"Svg", "--svg", "<?xml", "</svg>\n"},
    {"Png", "--png", "\x89PNG\r\n\x1a\n", "IEND\xae\x42\x60\x82"},
    {"Pdf", "--pdf", "%PDF-", "%%EOF\n"},
};

class FileOutputTest : public testing::TestWithParam<FileCase> {
 protected:
  // Every name in the folder: a fragment or a temporary file would show.
  std::vector<std::string> names() const {
    std::vector<std::string> all;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
      all.push_back(entry.path().filename().string());
    }
    std::sort(all.begin(), all.end());
    return all;
  }
  std::string solve(const std::string& path) const {
    return std::string("solve --right X=3 Y=4 ") + GetParam().option + " " + path;
  }
  TempFolder folder;
  std::string target = folder.write("figure.old", "the old file, whole\n").string();
};

TEST_P(FileOutputTest, ASizeLimitKeepsTheOldFileAndLeavesNothingBeside) {
  // 1 KiB: every kind of file is larger; the page's lines on stdout are not.
  CliRun run = cli(solve(target), (folder.path() / "stdout").string(), "ulimit -f 2");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.err, "anglewise-cli: could not write " + target + ": File too large.\n");
  EXPECT_EQ(slurp(target), "the old file, whole\n");
  EXPECT_EQ(names(), (std::vector<std::string>{"figure.old", "stdout"}));
}

TEST_P(FileOutputTest, AFullDeviceIsAFailedWrite) {
  CliRun run = cli(solve("/dev/full"));
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.err, "anglewise-cli: could not write /dev/full: No space left on device.\n");
  EXPECT_NE(run.out.find("Z = 5"), std::string::npos);  // the results were still printed
}

TEST_P(FileOutputTest, AMissingFolderIsSaidWithTheSystemsReason) {
  std::string path = (folder.path() / "none" / "figure").string();
  CliRun run = cli(solve(path));
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.err, "anglewise-cli: could not write " + path + ": No such file or directory.\n");
  EXPECT_EQ(names(), (std::vector<std::string>{"figure.old"}));
}

TEST_P(FileOutputTest, AWholeFileReplacesTheOldOneAndKeepsItsPermissions) {
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  CliRun run = cli(solve(target));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  std::string file = slurp(target);
  EXPECT_EQ(file.rfind(GetParam().magic, 0), 0u);
  std::string ending = GetParam().ending;
  ASSERT_GE(file.size(), ending.size());
  EXPECT_EQ(file.substr(file.size() - ending.size()), ending);
  struct stat written;
  ASSERT_EQ(::stat(target.c_str(), &written), 0);
  EXPECT_EQ(written.st_mode & 07777, 0640u);
  EXPECT_EQ(names(), (std::vector<std::string>{"figure.old"}));
}

TEST_P(FileOutputTest, ALinkKeepsPointingAtTheFileItNames) {
  fs::path link = folder.path() / "link";
  fs::create_symlink("figure.old", link);
  CliRun run = cli(solve(link.string()));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(slurp(target).rfind(GetParam().magic, 0), 0u);
  EXPECT_EQ(names(), (std::vector<std::string>{"figure.old", "link"}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileOutputTest, testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// The writers the window's Save Figure As and Save Report As PDF call: a
// failed write is an error string, which the window shows in a warning box.
TEST(WindowFileWritersTest, AFullDeviceIsAnErrorNotASuccess) {
  HeadlessWindow headless;
  headless.type("Text1", "3");
  headless.click("Check1");
  headless.type("Text2", "4");
  headless.click("Check2");
  headless.click("displaynow");
  const std::vector<FigureOp>& ops = headless.picture.ops();
  ASSERT_FALSE(ops.empty());
  for (FigureFormat format : {FigureFormat::Svg, FigureFormat::Png, FigureFormat::Pdf}) {
    EXPECT_EQ(writeFigureFile("/dev/full", ops, format), "No space left on device");
  }
  ReportPage page{ops,
                  headless.window.printedValues(),
                  makeReport(headless.window.reportInput()),
                  headless.window.reportInput().given,
                  {}};
  EXPECT_EQ(writeReportPdf("/dev/full", page), "No space left on device");
  TempFolder folder;
  std::string pdf = (folder.path() / "report.pdf").string();
  EXPECT_EQ(writeReportPdf(pdf, page), "");
  EXPECT_EQ(slurp(pdf).rfind("%PDF-", 0), 0u);
}

// With --json the output is one JSON document: the report's text, asked
// for with --report, is a member of it.
TEST(SolveJsonTest, JsonWithTheReportIsOneDocument) {
  CliRun json = cli("solve --oblique X=6 Y=3 Z=4 --json --report");
  ASSERT_EQ(json.status, 0) << json.err;
  nlohmann::json answer = nlohmann::json::parse(json.out);  // throws on anything after it
  CliRun text = cli("solve --oblique X=6 Y=3 Z=4 --report");
  size_t report = text.out.find("\n\n");
  ASSERT_NE(report, std::string::npos);
  EXPECT_EQ(answer["reportText"], text.out.substr(report + 2));
  EXPECT_EQ(answer["report"]["consistent"], false);
  EXPECT_EQ(cli("solve --oblique X=6 Y=3 Z=4 --json").out.find("reportText"), std::string::npos);
}

}  // namespace
}  // namespace anglewise
