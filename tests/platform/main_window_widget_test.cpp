// The real window under the offscreen platform: widgets built as designed,
// bound to the model both ways. Any modal dialog that nobody expects is
// closed by the fixture's watchdog and fails the test instead of hanging it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "mainwindow/main_window_design.h"
#include "platform/caption_fitting.h"
#include "platform/desktop_app.h"
#include "tests/platform/gui_fixture.h"

namespace anglewise {
namespace {

class WidgetTest : public GuiTest {
 protected:
  WidgetTest() { app.widget().show(); }

  template <typename T>
  T* w(const char* name) {
    return app.widget().control<T>(name);
  }

  DesktopApp app;
};

TEST_F(WidgetTest, WindowShowsTheDesignedCaptions) {
  EXPECT_EQ(app.widget().windowTitle(), "Anglewise");
  EXPECT_EQ(w<QGroupBox>("Frame1")->title(), "Display");
  EXPECT_EQ(w<QGroupBox>("Frame5")->title(), "");
  EXPECT_EQ(w<QRadioButton>("optOBL")->text(), "Obligue Angle Triangle");
  EXPECT_EQ(w<QRadioButton>("opt90D")->toolTip(), "C Angle is 90 Degrees");
  EXPECT_EQ(w<QLabel>("Label6")->text(), "X   =");
  EXPECT_TRUE(w<QLabel>("Label9")->alignment() & Qt::AlignRight);
  EXPECT_EQ(w<QToolButton>("Clearthebaord")->text(), "Clear");
  EXPECT_FALSE(w<QCheckBox>("over90checked")->isEnabled());
  EXPECT_TRUE(w<QRadioButton>("Option1")->isChecked());
  EXPECT_TRUE(app.widget().menuAction("mnu12places")->isChecked());
  EXPECT_EQ(app.widget().menuAction("mnuHelpAbout")->text(), "&About ");
  QStringList menus;
  for (QAction* a : app.widget().menuBar()->actions()) menus << a->text();
  // The designed menus, and ours before Help.
  EXPECT_EQ(menus, (QStringList{"&Print", "&Decimals", "&Triangle", "&Help"}));
  // 15 twips a pixel at 96 DPI: Text1 at 360, 1080 inside its frame.
  if (app.widget().logicalDpiX() == 96) {
    EXPECT_EQ(w<QLineEdit>("Text1")->geometry(), QRect(24, 72, 121, 19));
  }
  EXPECT_TRUE(dialogs.isEmpty());
}

// The angle captions are padded with blanks for a narrower font than this
// screen's: the column is fitted as one, never caption by caption.
TEST_F(WidgetTest, AngleCaptionsStandInOneSizeAndFit) {
  const std::pair<const char*, QString> captions[] = {
      {"Label9", "Angle A - Dec.       ="},  {"Label10", "Angle A - D/M/S   ="},
      {"Label16", "Angle B - Dec.       ="}, {"Label17", "Angle B - D/M/S   ="},
      {"Label11", "Angle C - Dec.       ="}, {"Label18", "Angle C - D/M/S   ="}};
  const double points = w<QLabel>("Label9")->font().pointSizeF();
  EXPECT_GE(points, 7.0);
  for (const auto& [name, designed] : captions) {
    QLabel* label = w<QLabel>(name);
    SCOPED_TRACE(name);
    EXPECT_EQ(label->font().pointSizeF(), points);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    EXPECT_EQ(label->text().simplified(), designed.simplified());
    EXPECT_EQ(label->text() == designed ? label->text() : label->accessibleName(), designed);
  }
}

TEST(CaptionFitting, ShortensEveryBlankRunAlike) {
  EXPECT_EQ(shortenBlankRuns("Angle A - Dec.       =", 2), "Angle A - Dec.  =");
  EXPECT_EQ(shortenBlankRuns("A   B C    D", 1), "A B C D");
  EXPECT_EQ(shortenBlankRuns("   ", 0), "");
}

TEST_F(WidgetTest, UserTickAndTypingReachTheModel) {
  QTest::mouseClick(w<QRadioButton>("optOBL"), Qt::LeftButton);
  EXPECT_TRUE(app.model().optOBL.Value());
  EXPECT_FALSE(w<QRadioButton>("opt90D")->isChecked());
  QTest::keyClicks(w<QLineEdit>("Text1"), "10");
  EXPECT_EQ(app.model().Text1.Text(), "10");
  for (const char* name : {"Check1", "Check2", "Check5"}) {
    QTest::mouseClick(w<QCheckBox>(name), Qt::LeftButton);
  }
  EXPECT_EQ(app.model().Check5.Value(), 1);
  EXPECT_TRUE(w<QCheckBox>("over90checked")->isEnabled());
}

TEST_F(WidgetTest, ModelChangesReachTheWidgets) {
  app.model().mnu4places_Click();
  app.model().Text2.setText(" 4");
  app.model().Check3.setValue(1);
  app.model().xlen.setCaption(" 3");
  EXPECT_EQ(w<QLineEdit>("Text2")->text(), " 4");
  EXPECT_TRUE(w<QCheckBox>("Check3")->isChecked());
  EXPECT_EQ(w<QLabel>("xlen")->text(), " 3");
  EXPECT_TRUE(app.widget().menuAction("mnu4places")->isChecked());
  EXPECT_FALSE(app.widget().menuAction("mnu12places")->isChecked());
}

TEST_F(WidgetTest, DisplayButtonSolvesAndDraws) {
  QTest::mouseClick(w<QRadioButton>("opt90D"), Qt::LeftButton);
  QTest::keyClicks(w<QLineEdit>("Text1"), "3");
  QTest::mouseClick(w<QCheckBox>("Check1"), Qt::LeftButton);
  QTest::keyClicks(w<QLineEdit>("Text2"), "4");
  QTest::mouseClick(w<QCheckBox>("Check2"), Qt::LeftButton);
  QTest::mouseClick(w<QToolButton>("displaynow"), Qt::LeftButton);
  EXPECT_EQ(w<QLabel>("adms")->text(), " 53d 7m 48s .368");
  EXPECT_EQ(w<QLineEdit>("Text3")->text(), " 5");
  const QImage& image = app.widget().picture()->image();
  ASSERT_FALSE(image.isNull());
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
  }
  EXPECT_GT(dark, 100);
  EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(WidgetTest, RefusalShowsAModalMessageBox) {
  expectDialogs();
  QTest::mouseClick(w<QRadioButton>("opt90D"), Qt::LeftButton);
  QTest::mouseClick(w<QToolButton>("displaynow"), Qt::LeftButton);
  ASSERT_EQ(dialogs.size(), 1);
  EXPECT_EQ(dialogs[0],
            "Value of Inputs Incorrect|Invalid Number of Inputs !\n\nThe number of input values "
            "are incorrect.");
}

TEST_F(WidgetTest, EscapeClosesLikeExit) {
  ASSERT_TRUE(app.widget().isVisible());
  QApplication::setActiveWindow(&app.widget());
  QTest::keyClick(w<QLineEdit>("Text1"), Qt::Key_Escape);
  EXPECT_FALSE(app.widget().isVisible());
}

}  // namespace
}  // namespace anglewise

namespace anglewise {
namespace {

// Space on the focused figure redraws it, as a click does.
TEST_F(WidgetTest, KeyboardOnTheFigureDoesWhatAClickDoes) {
  QTest::mouseClick(w<QRadioButton>("optOBL"), Qt::LeftButton);
  QWidget* figure = w<QWidget>("Picture1");
  figure->setFocus();
  app.model().theArea.setCaption("unchanged");
  QTest::keyClick(figure, Qt::Key_Space);
  // Nothing solved: the oblique drawing leaves the picture blank and the
  // captions alone, which shows the key reached the click handler's road.
  EXPECT_EQ(app.model().theArea.Caption(), "unchanged");
  QTest::mouseClick(w<QRadioButton>("opt90D"), Qt::LeftButton);
  app.model().state.sideX = 0, app.model().state.sideY = 0;
  QTest::keyClick(figure, Qt::Key_Return);
  EXPECT_EQ(app.model().state.sideX, 500);  // the default figure was drawn again
}

// What a screen reader hears is what the design table says, for every
// control it names, result labels included.
TEST_F(WidgetTest, AccessibleNamesComeFromTheDesignTable) {
  int named = 0;
  for (const ControlDesign& d : mainWindowControls()) {
    if (d.accessibleName.empty()) continue;
    QWidget* widget = app.widget().control(QString::fromStdString(d.name));
    ASSERT_NE(widget, nullptr) << d.name;
    EXPECT_EQ(widget->accessibleName().toStdString(), d.accessibleName);
    if (!d.accessibleDescription.empty()) {
      EXPECT_EQ(widget->accessibleDescription().toStdString(), d.accessibleDescription);
    }
    ++named;
  }
  EXPECT_GE(named, 28);
  app.model().zrad.setCaption(" 5");  // a result's description is its value
  EXPECT_EQ(w<QLabel>("zrad")->accessibleDescription(), " 5");
}

// A keyboard user sees where the focus is; the saved picture never does.
TEST_F(WidgetTest, FocusedFigureShowsAFocusMarkOnScreenOnly) {
  app.widget().show();
  QApplication::setActiveWindow(&app.widget());
  PictureWidget* figure = app.widget().picture();
  w<QWidget>("Text1")->setFocus();
  QImage unfocused = figure->grab().toImage();
  QImage saved = figure->image();
  figure->setFocus();
  ASSERT_TRUE(figure->hasFocus());
  EXPECT_NE(figure->grab().toImage(), unfocused);
  EXPECT_EQ(figure->image(), saved);
}

}  // namespace
}  // namespace anglewise
