#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

#include "mainwindow/lifecycle.h"
#include "ports/program_folder.h"
#include "tests/fakes/settings_store.h"
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

}  // namespace
}  // namespace anglewise
