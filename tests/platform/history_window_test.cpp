// The history as a user of the window meets it: Display and Clear through
// the real widgets become entries in the user's history file, the History
// window lists, searches and restores them, and restoring adds nothing.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "history/triangle_file.h"
#include "platform/desktop_app.h"
#include "tests/platform/desktop_fixture.h"

namespace anglewise {
namespace {

class HistoryWindowTest : public DesktopAppTest {
 protected:
  QString caption(const char* name) { return app.widget().control<QLabel>(name)->text(); }
  std::string historyFile() const {
    return config.path().toStdString() + "/anglewise/history.jsonl";
  }
};

TEST_F(HistoryWindowTest, DisplayAndClearAreKeptAsTheyHappenAndRestoreGivesTheSameCaptions) {
  solve("opt90D", {"3", "4"});
  QString z = caption("zrad");
  click("Clearthebaord");
  expectDialogs();
  solve("optOBL", {"6", "3", "4"});  // does not fit together
  ASSERT_EQ(app.history().entries().size(), 3u);
  EXPECT_EQ(app.history().entries()[0].action, "display");
  EXPECT_EQ(app.history().entries()[1].action, "clear");
  EXPECT_EQ(app.history().entries()[2].consistent, std::optional<bool>(false));
  // Written as it happened: a second window reads them all.
  EXPECT_EQ(HistoryLog(historyFile()).load().entries, app.history().entries());

  QTest::keyClick(&app.widget(), Qt::Key_H, Qt::ControlModifier);
  HistoryWindow* window = app.history().window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->list()->topLevelItemCount(), 3);
  EXPECT_TRUE(window->list()->topLevelItem(2)->text(3).startsWith("Does not fit together: X = 6"))
      << window->list()->topLevelItem(2)->text(3).toStdString();
  QTest::keyClicks(window->search(), "right");
  EXPECT_EQ(window->visibleRows(), std::vector<int>{0});

  app.history().restore(0);
  EXPECT_EQ(caption("zrad"), z);
  EXPECT_TRUE(app.widget().control<QRadioButton>("opt90D")->isChecked());
  EXPECT_EQ(app.history().entries().size(), 3u) << "restoring adds nothing";

  window->copyCsv();
  QStringList csv = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(csv.size(), 2);  // the header and the one entry the search shows
  EXPECT_TRUE(csv[1].contains(",display,right,decimal,12,0,3,4,")) << csv[1].toStdString();
}

TEST_F(HistoryWindowTest, DeletingRewritesTheFileAndTriangleFilesOpenInTheWindow) {
  solve("opt90D", {"3", "4"});
  solve("opt90D", {"5", "12"});
  app.history().showWindow();
  HistoryWindow* window = app.history().window();
  window->list()->clearSelection();
  window->list()->topLevelItem(0)->setSelected(true);
  window->remove(window->selectedRows());
  ASSERT_EQ(app.history().entries().size(), 1u);
  EXPECT_EQ(HistoryLog(historyFile()).load().entries.size(), 1u);

  std::string path = config.path().toStdString() + "/set.anglewise";
  ASSERT_EQ(saveTriangleFile(path, app.history().entries()), "");
  EXPECT_EQ(app.history().openFile(QString::fromStdString(path)), "");
  EXPECT_EQ(window->windowTitle(), "History - set.anglewise");
  EXPECT_EQ(app.history().recentFiles().value(0).toStdString(), path);

  expectDialogs();
  std::ofstream(config.path().toStdString() + "/bad.anglewise") << "kind,X\n";
  QString why = app.history().openFile(config.filePath("bad.anglewise"));
  EXPECT_TRUE(why.endsWith("is not a triangle file of Anglewise.")) << why.toStdString();
  ASSERT_EQ(dialogs.size(), 1);
  EXPECT_TRUE(dialogs[0].startsWith("Open Triangle File|"));
}

}  // namespace
}  // namespace anglewise
