// The Triangle Report beside the real window, and copying and saving:
// through the widgets as a user would reach them.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <set>

#include "platform/desktop_app.h"
#include "tests/platform/desktop_fixture.h"

namespace anglewise {
namespace {

class ReportWindowTest : public DesktopAppTest {
 protected:
  void solveOblique(const QStringList& texts) { solve("optOBL", texts); }
  QString status() { return app.reports().statusPanel()->text(); }
  QString reportShown() { return app.reports().window()->text()->toPlainText(); }
};

TEST_F(ReportWindowTest, FollowsDisplayAndClearAndTheStatusPanelSaysWhenItDoesNotFit) {
  EXPECT_EQ(status(), "Status");
  QTest::keyClick(&app.widget(), Qt::Key_R, Qt::ControlModifier);
  ASSERT_NE(app.reports().window(), nullptr);
  EXPECT_TRUE(app.reports().window()->isVisible());
  EXPECT_EQ(app.reports().window()->windowTitle(), "Triangle Report");

  solveOblique({"6", "3", "4"});
  EXPECT_EQ(status(), "The shown triangle does not fit together: see the Triangle Report");
  EXPECT_TRUE(reportShown().contains("B obtuse, 117.279612735978 degrees"))
      << reportShown().toStdString();

  click("Clearthebaord");
  EXPECT_EQ(status(), "Status");
  EXPECT_TRUE(reportShown().contains("No triangle")) << reportShown().toStdString();

  solveOblique({"10", "6", "", "30", ""});
  EXPECT_EQ(status(), "Status");
  EXPECT_TRUE(reportShown().contains("Triangle 1 (shown)"));
  EXPECT_TRUE(reportShown().contains("Triangle 2"));
}

TEST_F(ReportWindowTest, CopyResultsPutsTheTwelveLinesOfThePage) {
  solveOblique({"5", "6", "7"});
  QTest::keyClick(&app.widget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 12);
  EXPECT_EQ(lines[0], "                       X = 5");
  EXPECT_EQ(lines[11].toStdString(), "                    Area =" + app.model().theArea.Caption());
}

TEST_F(ReportWindowTest, CopyReportOffersTextAndHtml) {
  solveOblique({"5", "6", "7"});
  app.reports().copyReport();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  EXPECT_TRUE(data->text().startsWith("Triangle Report"));
  EXPECT_TRUE(data->hasHtml());
}

TEST_F(ReportWindowTest, SavedFigureIsAnSvgThatAnSvgReaderDraws) {
  solveOblique({"5", "6", "7"});
  QString svg = config.filePath("figure.svg"), png = config.filePath("drawn.png");
  EXPECT_EQ(app.reports().saveFigure(svg), "");
  EXPECT_EQ(QProcess::execute("rsvg-convert", {svg, "-o", png}), 0);
  QImage drawn(png);
  ASSERT_FALSE(drawn.isNull());
  int dark = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) dark += qGray(drawn.pixel(x, y)) < 100 ? 1 : 0;
  }
  EXPECT_GT(dark, 100);
}

TEST_F(ReportWindowTest, OpensByItselfWhenTheShownTriangleDoesNotFitUnlessTurnedOff) {
  ASSERT_EQ(app.reports().window(), nullptr);
  solveOblique({"5", "6", "7"});
  EXPECT_EQ(app.reports().window(), nullptr);  // it fits: nothing opens
  solveOblique({"6", "3", "4"});
  ASSERT_NE(app.reports().window(), nullptr);
  EXPECT_TRUE(app.reports().window()->isVisible());
  EXPECT_TRUE(reportShown().contains("Does not fit together")) << reportShown().toStdString();
  EXPECT_TRUE(QApplication::focusWidget() == nullptr ||
              QApplication::focusWidget()->window() == &app.widget())
      << "the focus stays in the main window";

  app.reports().window()->close();
  app.reports().openWhenNotFitting()->trigger();  // the user turns it off
  click("Clearthebaord");
  solveOblique({"6", "3", "4"});
  EXPECT_FALSE(app.reports().window()->isVisible());
  QSettings stored(settingsFile(), QSettings::IniFormat);
  EXPECT_EQ(stored.value("Triangle/OpenReportWhenNotFitting").toString(), "0");
  DesktopApp next;  // remembered on the next start
  EXPECT_FALSE(next.reports().openWhenNotFitting()->isChecked());
}

TEST_F(ReportWindowTest, OurMenuHoldsEveryCommandWithItsOwnAccessKey) {
  QMenu* menu = app.reports().menu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), "&Triangle");
  std::set<QChar> keys;
  int commands = 0;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    ++commands;
    int amp = action->text().indexOf('&');
    ASSERT_GE(amp, 0) << action->text().toStdString() << " has no access key";
    EXPECT_TRUE(keys.insert(action->text()[amp + 1].toLower()).second)
        << action->text().toStdString() << " repeats an access key";
  }
  // and Solve from Any Three, the check mark item, History, Open and the recent files
  EXPECT_EQ(commands, app.reports().actions().size() + 5);
  for (QAction* action : app.reports().actions()) EXPECT_TRUE(menu->actions().contains(action));
}

TEST_F(ReportWindowTest, ShortcutsWorkFromTheReportWindow) {
  solveOblique({"5", "6", "7"});
  app.reports().showReportWindow();
  ReportWindow* report = app.reports().window();
  QApplication::setActiveWindow(report);
  QApplication::clipboard()->clear();
  QTest::keyClick(report->text(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts).size(), 12);
}

// The menu that opens while `open` runs, and where, closed again.
QRect menuOpenedBy(const std::function<void()>& open) {
  QRect shown;
  QTimer::singleShot(50, [&shown] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      shown = popup->geometry();
      popup->close();
    }
  });
  open();
  QTest::qWait(100);
  return shown;
}

// The Menu key reaches a widget as a keyboard context-menu event; Shift+F10
// is ours. Either way the menu opens at the figure, not at the pointer.
TEST_F(ReportWindowTest, MenuKeyAndShiftF10OpenTheFigureMenuAtTheFigure) {
  PictureWidget* figure = app.widget().picture();
  figure->setFocus();
  QCursor::setPos(0, 0);
  QRect at(figure->mapToGlobal(QPoint(0, 0)), figure->size());
  QRect byMenuKey = menuOpenedBy([&] {
    QPoint centre = figure->rect().center();
    QContextMenuEvent key(QContextMenuEvent::Keyboard, centre, figure->mapToGlobal(centre));
    QApplication::sendEvent(figure, &key);
  });
  QRect byShiftF10 = menuOpenedBy(
      [&] { QTest::keyClick(app.widget().windowHandle(), Qt::Key_F10, Qt::ShiftModifier); });
  for (const QRect& menu : {byMenuKey, byShiftF10}) {
    ASSERT_FALSE(menu.isNull()) << "no menu opened";
    EXPECT_TRUE(at.contains(menu.topLeft())) << "the menu opened away from the figure";
  }
}

// With the report open, Save Figure As and Copy Figure give its drawing of
// every true triangle, each a group of its own.
TEST_F(ReportWindowTest, WithTheReportOpenTheSavedFigureIsTheReportsDrawing) {
  solveOblique({"10", "6", "", "30", ""});
  app.reports().showReportWindow();
  QString svg = config.filePath("both.svg");
  ASSERT_EQ(app.reports().saveFigure(svg), "");
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray drawn = file.readAll();
  EXPECT_TRUE(drawn.contains("id=\"triangle-1\"") && drawn.contains("id=\"triangle-2\""));
  app.reports().copyFigure();
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->data("image/svg+xml").contains("triangle-2"));
}

TEST_F(ReportWindowTest, SaveDialogsTakeTheChosenFormatAndRememberTheFolder) {
  solveOblique({"5", "6", "7"});
  QString folder = config.filePath("figures");
  QDir().mkpath(folder);
  QStringList starts;
  app.reports().askSavePath = [&](const QString&, const QString& start, const QString&,
                                  QString* chosen) {
    starts << start;
    *chosen = "PNG image (*.png)";
    return folder + "/drawing";
  };
  app.reports().saveFigureAs();
  QFile png(folder + "/drawing.png");
  ASSERT_TRUE(png.open(QIODevice::ReadOnly)) << "no drawing.png";
  EXPECT_TRUE(png.read(8).startsWith("\x89PNG"));
  EXPECT_FALSE(QFile::exists(folder + "/drawing"));

  DesktopApp next;  // the next start opens where the last save went
  next.reports().askSavePath = app.reports().askSavePath;
  next.reports().saveReportAsPdf();
  ASSERT_EQ(starts.size(), 2);
  EXPECT_EQ(starts[1], folder + "/triangle");
}

}  // namespace
}  // namespace anglewise
