#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <fstream>

#include "solver/checked_math.h"
#include "tests/mainwindow/session.h"

namespace anglewise {
namespace {

using ::testing::ElementsAre;

std::string label(const char* text, const std::string& value) {
  return text + value;
}

TEST(Printing, BeforeAnySolveGivesTitleEmptyValuesAndOneBeep) {
  auto w = play({{"click", "Printitnow"}});
  ASSERT_EQ(w->printer.pages.size(), 1u);
  const auto& page = w->printer.pages[0];
  // 3 empty lines, title, 9 empty; 6 empty, 12 values; 2 empty lines.
  ASSERT_EQ(page.size(), 3u + 1u + 9u + 6u + 12u + 2u);
  EXPECT_EQ(page[3], "                  Anglewise ");
  EXPECT_EQ(page[19], "                       X =");
  EXPECT_EQ(page[30], "                    Area =");
  EXPECT_EQ(w->beeper.count, 1);
  EXPECT_TRUE(w->messages.shown.empty());
}

TEST(Printing, ValuesAreTheCaptionsAsShown) {
  auto w = play(Actions{{"click", "opt90D"}} + given(1, "3") + given(2, "4") +
                Actions{{"click", "displaynow"}} + Actions{{"menu", "mnuPrintDisplay"}});
  ASSERT_EQ(w->printer.pages.size(), 1u);
  const auto& page = w->printer.pages[0];
  EXPECT_EQ(page[19], label("                       X =", w->window.xlen.Caption()));
  EXPECT_EQ(page[21], "                       Z = 5");
  EXPECT_EQ(page[23], label("                 A Angle =", w->window.adms.Caption()));
  EXPECT_EQ(page[30], label("                    Area =", w->window.theArea.Caption()));
}

TEST(Printing, CancelledDialogPrintsNothingAndTheNextPrintWorks) {
  auto w = play({{"cancel-next-dialog"}, {"click", "Printitnow"}});
  EXPECT_TRUE(w->printer.pages.empty());
  EXPECT_EQ(w->beeper.count, 0);
  EXPECT_EQ(w->window.state.printCancelled, 0);
  w->apply({"click", "Printitnow"});
  EXPECT_EQ(w->printer.pages.size(), 1u);
}

TEST(Printing, EachPrintRewritesTheBitmapInTheProgramFolder) {
  auto w = play({{"click", "Printitnow"}});
  std::string path = w->window.state.programFolder + "pic.bmp";
  std::remove(path.c_str());
  w->apply({"click", "Printitnow"});
  std::ifstream bmp(path, std::ios::binary);
  char magic[2] = {};
  bmp.read(magic, 2);
  EXPECT_EQ(std::string(magic, 2), "BM");
}

class FailingPrinter : public RecordingPrinter {
 public:
  void setFont(const std::string&, double, bool) override { throw RuntimeError(kErrPrinter); }
};

TEST(Printing, PrinterFaultShowsOneErrorBoxThenHidesAndBeeps) {
  HeadlessWindow w;
  FailingPrinter failing;
  PrintDevices devices{w.saver, w.dialog, w.waitWindow, failing};
  MainWindow window({w.messages, w.beeper, w.picture, &devices});
  window.state.programFolder = temporaryProgramFolder();
  window.Printitnow_Click();
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].title, "Error");
  EXPECT_EQ(w.messages.shown[0].text, "Error Found \r\rError Number 482\r\rPrinter error");
  EXPECT_EQ(w.beeper.count, 1);
}

TEST(Printing, UnwritableProgramFolderIsReportedAndNothingPrints) {
  auto w = play({});
  w->window.state.programFolder = "/nonexistent-folder/";
  w->apply({"click", "Printitnow"});
  EXPECT_TRUE(w->printer.pages.empty());
  ASSERT_EQ(w->messages.shown.size(), 1u);
  EXPECT_THAT(w->messages.shown[0].text,
              ::testing::StartsWith("Error Found \r\rError Number 75\r\rPath/File access error"));
  EXPECT_THAT(w->messages.shown[0].text, ::testing::EndsWith("/nonexistent-folder/pic.bmp"));
}

}  // namespace
}  // namespace anglewise
