#include <gtest/gtest.h>

#include <set>

#include "mainwindow/main_window_design.h"
#include "session.h"

namespace anglewise {
namespace {

TEST(MainWindowModelTest, StartsAsDesigned) {
  HeadlessWindow w;
  MainWindow& m = w.window;
  for (Given row : kGivenRows) {
    EXPECT_EQ(m.inputBox(row).Text(), "");
    EXPECT_EQ(m.checkBox(row).Value(), 0);
  }
  EXPECT_FALSE(m.opt90D.Value());
  EXPECT_FALSE(m.optOBL.Value());
  EXPECT_TRUE(m.Option1.Value());
  EXPECT_FALSE(m.Option2.Value());
  EXPECT_FALSE(m.over90checked.Enabled());
  EXPECT_EQ(m.over90checked.Value(), 0);
  EXPECT_FALSE(m.mnuNone.Checked());
  EXPECT_FALSE(m.mnu4places.Checked());
  EXPECT_FALSE(m.mnu8places.Checked());
  EXPECT_TRUE(m.mnu12places.Checked());
  EXPECT_EQ(m.state.decimalPlaces, 12);
  EXPECT_EQ(m.xlen.Caption(), "");
  EXPECT_TRUE(w.messages.shown.empty());
  // Start-up draws the default figure, which leaves both legs at 500.
  EXPECT_EQ(m.state.sideX, 500);
  EXPECT_EQ(m.state.sideY, 500);
  EXPECT_EQ(w.picture.ops().size(), 22u);
}

TEST(MainWindowModelTest, CheckBoxHandlerRunsOnEveryChangeOfValue) {
  HeadlessWindow w;
  MainWindow& m = w.window;
  int runs = 0;
  m.Check1.Click = [&runs] { ++runs; };
  m.Check1.setValue(1);          // by code
  m.Check1.setValue(1);          // no change, no click
  w.apply({"click", "Check1"});  // by the user
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(m.Check1.Value(), 0);
}

TEST(MainWindowModelTest, SolverTicksRunTheObtuseSwitch) {
  // The solver's own ticks re-run the enabling: X, Y, A ticked by the
  // oblique solver from values alone enable the obtuse choice.
  auto w = play({{"click", "optOBL"},
                 {"type", "Text1", "10"},
                 {"type", "Text2", "6"},
                 {"type", "Text4", "30"},
                 {"click", "displaynow"}});
  EXPECT_EQ(w->window.Check1.Value() + w->window.Check2.Value() + w->window.Check4.Value(), 3);
  EXPECT_TRUE(w->window.over90checked.Enabled());
}

TEST(MainWindowModelTest, ObserverHearsChangesMadeByCode) {
  HeadlessWindow w;
  int heard = 0;
  w.window.Text3.observer = [&heard] { ++heard; };
  w.window.Text3.setText("7");
  w.window.Text3.setText("7");
  EXPECT_EQ(heard, 1);
}

TEST(MainWindowModelTest, OptionClickRunsHandlerOnlyWhenNewlySelected) {
  HeadlessWindow w;
  int runs = 0;
  w.window.optOBL.Click = [&runs] { ++runs; };
  w.apply({"click", "optOBL"});
  w.apply({"click", "optOBL"});
  EXPECT_EQ(runs, 1);
  w.apply({"click", "opt90D"});
  EXPECT_FALSE(w.window.optOBL.Value());
  EXPECT_TRUE(w.window.opt90D.Value());
}

TEST(MainWindowDesignTest, CaptionsKeepTheirBlanks) {
  struct Expect {
    const char* name;
    const char* caption;
  };
  for (const Expect& e :
       {Expect{"optOBL", "Obligue Angle Triangle"}, Expect{"Label6", "X   ="},
        Expect{"Label12", "Height  ="}, Expect{"Label9", "Angle A - Dec.       ="},
        Expect{"Label10", "Angle A - D/M/S   ="},
        Expect{"over90checked", "Opposite Angle is greater than 90 degrees."},
        Expect{"Label5", "12d 20m 44s .4"}, Expect{"Clearthebaord", "Clear"}}) {
    const ControlDesign* d = findControlDesign(e.name);
    ASSERT_NE(d, nullptr) << e.name;
    EXPECT_EQ(d->caption, e.caption) << e.name;
  }
  EXPECT_EQ(findControlDesign("Label9")->align, TextAlign::Right);
  EXPECT_EQ(findControlDesign("opt90D")->tooltip, "C Angle is 90 Degrees");
  EXPECT_EQ(findControlDesign("Text5")->top, 3000);
  EXPECT_EQ(findControlDesign("Label14")->font->name, "Arial");
}

TEST(MainWindowDesignTest, TabOrderStartsWithTheTriangleKind) {
  std::vector<std::pair<int, std::string>> order;
  for (const ControlDesign& d : mainWindowControls()) {
    if (d.tabIndex >= 0) order.emplace_back(d.tabIndex, d.name);
  }
  std::sort(order.begin(), order.end());
  std::vector<std::string> names;
  for (const auto& entry : order) names.push_back(entry.second);
  std::vector<std::string> expected = {
      "opt90D",     "optOBL",     "Text1",         "Text2",   "Text3",    "Text4",        "Text5",
      "displaynow", "Printitnow", "Clearthebaord", "exitnow", "Option1",  "Option2",      "Check1",
      "Check2",     "Check3",     "Check4",        "Check5",  "Picture1", "over90checked"};
  EXPECT_EQ(names, expected);
}

// A screen reader names every control a user acts on or reads a result
// from; the names are unique, so a user can tell them apart.
TEST(MainWindowDesignTest, EveryControlAUserUsesOrReadsHasItsOwnSpokenName) {
  std::set<std::string> names;
  for (const ControlDesign& d : mainWindowControls()) {
    bool result = d.kind == ControlKind::Label && d.caption.empty();
    bool used = d.tabIndex >= 0 && d.kind != ControlKind::OptionButton;  // options: captions
    if (!result && !used) continue;
    EXPECT_FALSE(d.accessibleName.empty()) << d.name << " has no spoken name";
    EXPECT_TRUE(names.insert(d.accessibleName).second) << d.accessibleName << " is used twice";
  }
  EXPECT_EQ(names.size(), 12u + 5u + 5u + 4u + 2u);  // results, boxes, ticks, buttons, more
}

TEST(MainWindowDesignTest, MenuBarAsDesigned) {
  std::vector<std::string> captions;
  for (const MenuDesign& m : mainWindowMenus()) captions.push_back(m.caption);
  std::vector<std::string> expected = {
      "&Print",    "Print Display", "&Decimals", "No Rounding", "4 places", "8 places",
      "12 places", "&Help",         "&Contents", "-",           "&About "};
  EXPECT_EQ(captions, expected);
}

}  // namespace
}  // namespace anglewise

namespace anglewise {
namespace {

// After any session, restart leaves the window, its figure and its ports
// exactly as a window just made.
TEST(MainWindowModelTest, RestartIsAsFreshAsANewWindow) {
  const Actions right = {{"click", "opt90D"}}, oblique = {{"click", "optOBL"}};
  const Actions display = {{"click", "displaynow"}};
  const std::vector<Actions> sessions = {
      right + given(1, "3") + given(2, "4") + display,
      oblique + given(1, "10") + given(2, "6") + given(4, "30") +
          Actions{{"click", "over90checked"}} + display +
          Actions{{"menu", "mnu4places"}, {"click", "Option2"}},
      right + given(1, "3") + given(2, "4") + given(3, "5") + display,  // refused: too many
      right + given(1, "1e300") + given(2, "1e300") + display + Actions{{"click", "Printitnow"}},
      oblique + given(1, "3") + given(2, "4") + given(3, "5") + display +
          Actions{{"click", "Clearthebaord"}, {"menu", "mnuNone"}}};
  HeadlessWindow fresh;
  int printed = 0, shown = 0;  // sessions that left pages or messages behind
  for (const Actions& session : sessions) {
    HeadlessWindow w;
    for (const UserAction& action : session) w.apply(action);
    printed += w.printer.pages.empty() ? 0 : 1;
    shown += w.messages.shown.empty() ? 0 : 1;
    w.restart();
    EXPECT_TRUE(w.window.snapshot() == fresh.window.snapshot());
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_EQ(w.beeper.count, 0);
    EXPECT_EQ(w.picture.ops().size(), fresh.picture.ops().size());
    EXPECT_TRUE(w.printer.pages.empty());
  }
  EXPECT_GT(printed, 0);
  EXPECT_GT(shown, 0);
}

}  // namespace
}  // namespace anglewise
