// The Triangle Report beside the real window, and copying and saving:
// through the widgets as a user would reach them.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "platform/desktop_app.h"
#include "tests/platform/gui_fixture.h"

namespace anglewise {
namespace {

class ReportWindowTest : public GuiTest {
 protected:
  ReportWindowTest() {
    app.widget().show();
    QApplication::setActiveWindow(&app.widget());  // shortcuts need the active window
  }

  // Oblique, the given values typed and ticked, Display pressed.
  void solveOblique(const QStringList& texts) {
    QTest::mouseClick(app.widget().control<QRadioButton>("optOBL"), Qt::LeftButton);
    for (int row = 0; row < texts.size(); ++row) {
      if (texts[row].isEmpty()) continue;
      auto* edit = app.widget().control<QLineEdit>(QString("Text%1").arg(row + 1));
      edit->selectAll();
      QTest::keyClicks(edit, texts[row]);
      auto* check = app.widget().control<QCheckBox>(QString("Check%1").arg(row + 1));
      if (!check->isChecked()) QTest::mouseClick(check, Qt::LeftButton);
    }
    click("displaynow");
  }
  void click(const char* button) {
    QTest::mouseClick(app.widget().control<QToolButton>(button), Qt::LeftButton);
  }
  QString status() { return app.reports().statusPanel()->text(); }
  QString reportShown() { return app.reports().window()->text()->toPlainText(); }

  DesktopApp app;
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

}  // namespace
}  // namespace anglewise
