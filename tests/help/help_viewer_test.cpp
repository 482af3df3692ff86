#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

#include "headless/recording_ports.h"
#include "help/help_viewer.h"
#include "tests/fakes/temp_folder.h"

namespace anglewise {
namespace {

namespace fs = std::filesystem;

class RecordingTextBox : public RichTextBox {
 public:
  bool LoadFile(const std::string& path) override {
    loaded.push_back(path);
    return readRtfFile(path).has_value();
  }
  std::vector<std::string> loaded;
};

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root / "stale");
    fs::create_directories(root / "app");
  }

  void writeHelp(const fs::path& folder, const std::string& content) {
    std::ofstream(folder / kHelpFileName) << content;
  }

  void open() {
    HelpPorts ports{messages, box, [this] { return (root / "app").string(); }};
    loadHelpWindow(state, ports);
  }

  TempFolder folder;
  fs::path root = folder.path();
  TriangleState state;
  RecordingMessages messages;
  RecordingTextBox box;
};

TEST_F(HelpWindowTest, FileInTheProgramFolderIsShownWithoutMessage) {
  writeHelp(root / "app", "{\\rtf1 help}");
  state.programFolder = (root / "app").string() + "/";
  open();
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(box.loaded.size(), 1u);
}

TEST_F(HelpWindowTest, SecondAttemptAsksTheSystemForTheFolder) {
  writeHelp(root / "app", "{\\rtf1 help}");
  state.programFolder = (root / "stale").string() + "/";
  open();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(state.programFolder, (root / "app").string() + "/");
}

TEST_F(HelpWindowTest, MissingOrRejectedFileGivesExactlyOneMessage) {
  for (const char* content : {"", "not rich text"}) {
    messages.shown.clear();
    if (*content) writeHelp(root / "app", content);
    state.programFolder = (root / "app").string() + "/";
    open();
    ASSERT_EQ(messages.shown.size(), 1u) << content;
    EXPECT_EQ(messages.shown[0].title, "File not found ");
    EXPECT_EQ(messages.shown[0].text,
              "Invalid Help File !\r\rHelp file should be in the folder Oakdale. ");
    EXPECT_EQ(messages.shown[0].style, 48);
  }
}

TEST_F(HelpWindowTest, AFileAddedLaterIsShownOnTheNextOpening) {
  state.programFolder = (root / "app").string() + "/";
  open();
  EXPECT_EQ(messages.shown.size(), 1u);
  writeHelp(root / "app", "{\\rtf1 help}");
  open();
  EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace anglewise
