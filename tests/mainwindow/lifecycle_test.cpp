#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

#include "mainwindow/lifecycle.h"
#include "ports/program_folder.h"

namespace anglewise {
namespace {

class MapStore : public SettingsStore {
 public:
  std::optional<std::string> GetSetting(const std::string& app, const std::string& section,
                                        const std::string& key) override {
    auto it = values.find(app + "/" + section + "/" + key);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override {
    values[app + "/" + section + "/" + key] = value;
    writes.push_back(key + "=" + value);
  }
  std::map<std::string, std::string> values;
  std::vector<std::string> writes;
};

struct Frame : WindowFrame {
  float l = 1, t = 2, w = 3, h = 4;
  bool min = false;
  float Left() const override { return l; }
  float Top() const override { return t; }
  float Width() const override { return w; }
  float Height() const override { return h; }
  void setLeft(float v) override { l = v; }
  void setTop(float v) override { t = v; }
  void setWidth(float v) override { w = v; }
  void setHeight(float v) override { h = v; }
  bool minimized() const override { return min; }
};

TEST(Lifecycle, EmptyStoreGivesTheDefaultPlacement) {
  MapStore store;
  Frame frame;
  restorePlacement(store, frame);
  EXPECT_EQ(frame.l, 48);
  EXPECT_EQ(frame.t, 0);
  EXPECT_EQ(frame.w, 8400);
  EXPECT_EQ(frame.h, 6372);
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
    Frame frame;
    restorePlacement(store, frame);
    EXPECT_EQ(frame.l, c.value.value_or(1.f)) << c.text;
    EXPECT_EQ(frame.w, 8400) << c.text;
  }
}

TEST(Lifecycle, SavesFourKeysInOrderAsSingleText) {
  MapStore store;
  Frame frame;
  frame.l = 48, frame.t = -120.5f, frame.w = 8400, frame.h = 1.0f / 3;
  savePlacement(store, frame);
  EXPECT_THAT(store.writes, ::testing::ElementsAre("MainLeft=48", "MainTop=-120.5",
                                                   "MainWidth=8400", "MainHeight=0.3333333"));
}

TEST(Lifecycle, MinimizedWindowSavesNothing) {
  MapStore store;
  Frame frame;
  frame.min = true;
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
