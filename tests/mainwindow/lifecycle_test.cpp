#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

#include "mainwindow/lifecycle.h"
#include "ports/program_folder.h"
#include "ports/user_program_folder.h"
#include "tests/fakes/settings_store.h"
#include "tests/fakes/temp_folder.h"
#include "tests/fakes/window_frame.h"

namespace anglewise {
namespace {

TEST(Lifecycle, EmptyStoreGivesTheDefaultPlacement) {
  MapStore store;
  RecordingFrame frame;
  restorePlacement(store, frame);
  EXPECT_EQ(frame.left, 48);
  EXPECT_EQ(frame.top, 0);
  EXPECT_EQ(frame.width, 8400);
  EXPECT_EQ(frame.height, 6372);
}

TEST(Lifecycle, ValuesThatDoNotConvertLeaveTheirPropertyAlone) {
  struct Case {
    const char* text;
    std::optional<float> value;
  } cases[] = {{"120", 120.f}, {" 120 ", 120.f}, {"-15.5", -15.5f}, {"+7", 7.f},  {"1e3", 1000.f},
               {"", {}},       {"abc", {}},      {"12x", {}},       {"1e40", {}}, {"nan", {}},
               {"inf", {}},    {"1,5", {}},      {"0x10", {}},      {"--1", {}}};
  for (const Case& c : cases) {
    MapStore store;
    store.values["Anglewise/Settings/MainLeft"] = c.text;
    RecordingFrame frame;
    restorePlacement(store, frame);
    EXPECT_EQ(frame.left, c.value.value_or(1.f)) << c.text;
    EXPECT_EQ(frame.width, 8400) << c.text;
  }
}

TEST(Lifecycle, SavesFourKeysInOrderAsSingleText) {
  MapStore store;
  RecordingFrame frame;
  frame.left = 48, frame.top = -120.5f, frame.width = 8400, frame.height = 1.0f / 3;
  savePlacement(store, frame);
  EXPECT_THAT(store.writes, ::testing::ElementsAre("MainLeft=48", "MainTop=-120.5",
                                                   "MainWidth=8400", "MainHeight=0.3333333"));
}

TEST(Lifecycle, MinimizedWindowSavesNothing) {
  MapStore store;
  RecordingFrame frame;
  frame.isMinimized = true;
  savePlacement(store, frame);
  EXPECT_TRUE(store.writes.empty());
}

TEST(Lifecycle, ProgramFolderEndsWithOneSeparator) {
  EXPECT_EQ(withTrailingSeparator("/opt/anglewise"), "/opt/anglewise/");
  EXPECT_EQ(withTrailingSeparator("/"), "/");
  EXPECT_EQ(withTrailingSeparator("/opt/anglewise/"), "/opt/anglewise/");
}

// An installed program's folder belongs to the package: each user gets a
// folder of their own, with the help file linked into it.
TEST(ProgramFolder, InstalledProgramUsesTheUsersOwnFolder) {
  TempFolder data;
  const std::string installed = "/usr/lib/anglewise-not-here/";
  std::string folder = chooseProgramFolder(installed, data.path().string());
  EXPECT_EQ(folder, (data.path() / "anglewise").string() + "/");
  std::filesystem::path link = data.path() / "anglewise" / kHelpFileName;
  ASSERT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(std::filesystem::read_symlink(link), installed + kHelpFileName);

  // A link left by an installation elsewhere follows the program.
  std::string moved = chooseProgramFolder("/usr/local/lib/anglewise", data.path().string());
  EXPECT_EQ(moved, folder);
  EXPECT_EQ(std::filesystem::read_symlink(link), "/usr/local/lib/anglewise/helpanglewise.rtf");
}

TEST(ProgramFolder, ABuildRunFromItsOwnFolderKeepsIt) {
  TempFolder build, data;
  EXPECT_EQ(chooseProgramFolder(build.path().string(), data.path().string()),
            build.path().string() + "/");
  EXPECT_FALSE(std::filesystem::exists(data.path() / "anglewise"));
}

TEST(ProgramFolder, WithoutAUserFolderTheProgramsOwnStays) {
  EXPECT_EQ(chooseProgramFolder("/usr/lib/anglewise", ""), "/usr/lib/anglewise/");
  EXPECT_EQ(chooseProgramFolder("/usr/lib/anglewise", "/proc/no-such-folder"),
            "/usr/lib/anglewise/");
}

}  // namespace
}  // namespace anglewise
