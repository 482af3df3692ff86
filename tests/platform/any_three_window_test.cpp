// The any-three window as a user meets it: opened from our menu by its
// shortcut, measures typed (their boxes tick themselves) and solved with
// Enter, every triangle shown as the report shows it, one sentence for
// what cannot be solved, and the main window left as it was.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QThreadPool>

#include "platform/any_three_window.h"
#include "platform/report_figure_widget.h"
#include "platform/report_view.h"
#include "tests/platform/desktop_fixture.h"

namespace anglewise {
namespace {

using anysolve::Measure;

class AnyThreeWindowTest : public DesktopAppTest {
 protected:
  AnyThreeWindow* open() {
    QTest::keyClick(&app.widget(), Qt::Key_T, Qt::ControlModifier);
    AnyThreeWindow* window = app.reports().anyThreeWindow();
    if (window) QApplication::setActiveWindow(window);
    return window;
  }

  // Types into each field as a user does; Enter in the last one solves.
  static void give(AnyThreeWindow* window, const std::vector<std::pair<Measure, QString>>& given,
                   bool wait = true) {
    for (const auto& [measure, text] : given) {
      QLineEdit* field = window->field(measure);
      field->selectAll();
      QTest::keyClicks(field, text);
    }
    QTest::keyClick(window->field(given.back().first), Qt::Key_Return);
    if (wait) {
      EXPECT_TRUE(QTest::qWaitFor([window] { return !window->solving(); }, 60000));
    }
  }
};

TEST_F(AnyThreeWindowTest, OpensFromOurMenuByItsShortcut) {
  auto* menu = app.widget().findChild<QMenu*>("mnuTriangle");
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (QAction* action : menu->actions()) items << action->text();
  EXPECT_EQ(items.value(0), "Triangle &Report");
  EXPECT_EQ(items.value(1), "Solve from &Any Three...");
  AnyThreeWindow* window = open();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Solve from Any Three");
  EXPECT_FALSE(window->view()->isVisible());  // nothing to report yet
}

TEST_F(AnyThreeWindowTest, AreaPerimeterAndARightAngleShowBothTriangles) {
  AnyThreeWindow* window = open();
  give(window, {{Measure::C, "90"}, {Measure::Area, "24"}, {Measure::Perimeter, "24"}});
  for (Measure m : {Measure::C, Measure::Area, Measure::Perimeter}) {
    EXPECT_TRUE(window->givenBox(m)->isChecked());
  }
  EXPECT_TRUE(window->verdict()->text().startsWith("Two triangles: C, area and perimeter"))
      << window->verdict()->text().toStdString();
  const TriangleReport& report = window->report();
  ASSERT_EQ(report.triangles.size(), 2u);
  EXPECT_EQ(report.triangles[0].X.text, "8");
  EXPECT_EQ(report.triangles[1].X.text, "6");
  EXPECT_EQ(report.triangles[0].Z.text, "10");
  EXPECT_TRUE(window->view()->isVisible());
  EXPECT_NE(window->view()->figure()->figure().find("triangle-2"), nullptr);
  EXPECT_TRUE(window->view()->text()->toPlainText().contains("36.869897645844"));
  // The main window is not touched.
  EXPECT_EQ(app.widget().control<QLineEdit>("Text1")->text(), "");
}

TEST_F(AnyThreeWindowTest, PlacesAndDmsTextAsInTheMainWindow) {
  AnyThreeWindow* window = open();
  window->places()->setCurrentIndex(window->places()->findData(4));
  give(window, {{Measure::A, "30d 0m 0s"}, {Measure::hZ, "3"}, {Measure::Z, "8"}});
  ASSERT_EQ(window->report().triangles.size(), 1u);
  EXPECT_EQ(window->report().triangles[0].X.text, "6");       // hZ = X sin A
  EXPECT_EQ(window->report().triangles[0].Y.text, "4.1063");  // 4 places
}

// One sentence, no report left from before, the boxes as the user left them.
TEST_F(AnyThreeWindowTest, RefusalsSaySoInOneSentence) {
  struct Case {
    std::vector<std::pair<Measure, QString>> given;
    QString sentence;
  };
  const Case cases[] = {
      {{{Measure::X, "3"}, {Measure::Y, "4"}}, "Give three measures, not 2."},
      {{{Measure::A, "50"}, {Measure::B, "60"}, {Measure::C, "70"}},
       "Three angles fix the shape but not the size: give one length."},
      {{{Measure::X, "0"}, {Measure::Y, "4"}, {Measure::Z, "5"}},
       "X must be a length greater than 0."},
  };
  for (const Case& c : cases) {
    AnyThreeWindow* window = open();
    window->clear();
    give(window, {{Measure::C, "90"}, {Measure::Area, "24"}, {Measure::Perimeter, "24"}});
    ASSERT_EQ(window->report().triangles.size(), 2u);
    window->clear();
    give(window, c.given);
    EXPECT_EQ(window->verdict()->text().toStdString(), c.sentence.toStdString());
    EXPECT_TRUE(window->report().triangles.empty());
    EXPECT_FALSE(window->view()->isVisible());
    EXPECT_TRUE(window->givenBox(c.given.front().first)->isChecked());
  }
}

// The search runs off the window's thread; what the user asked last wins.
TEST_F(AnyThreeWindowTest, ALaterAnswerSupersedesASearchStillRunning) {
  AnyThreeWindow* window = open();
  give(window, {{Measure::C, "90"}, {Measure::Area, "24"}, {Measure::Perimeter, "24"}}, false);
  EXPECT_TRUE(window->solving());
  EXPECT_EQ(window->verdict()->text(), "Solving...");
  window->clear();
  give(window, {{Measure::X, "3"}, {Measure::Y, "4"}}, false);
  EXPECT_FALSE(window->solving());
  QThreadPool::globalInstance()->waitForDone();
  QCoreApplication::processEvents();  // the first search's answer arrives, and is dropped
  EXPECT_EQ(window->verdict()->text(), "Give three measures, not 2.");
  EXPECT_TRUE(window->report().triangles.empty());
  EXPECT_FALSE(window->view()->isVisible());
}

TEST_F(AnyThreeWindowTest, EmptyingAFieldUnticksItsBoxAndATickedBoxCounts) {
  AnyThreeWindow* window = open();
  QLineEdit* field = window->field(Measure::mX);
  QTest::keyClicks(field, "5");
  EXPECT_TRUE(window->givenBox(Measure::mX)->isChecked());
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_FALSE(window->givenBox(Measure::mX)->isChecked());
  // A ticked box whose field is empty is a length of 0.
  window->givenBox(Measure::Inradius)->setChecked(true);
  give(window, {{Measure::X, "3"}, {Measure::Y, "4"}});
  EXPECT_EQ(window->verdict()->text(), "Inradius must be a length greater than 0.");
}

// The next control Tab reaches.
QWidget* nextByTab(QWidget* from) {
  QWidget* next = from->nextInFocusChain();
  while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible())
    next = next->nextInFocusChain();
  return next;
}

// Every row can be reached with Tab, field then box, and says what it is.
TEST_F(AnyThreeWindowTest, EveryRowIsReachedByTabAndNamedForAScreenReader) {
  AnyThreeWindow* window = open();
  QSet<QString> names;
  QWidget* at = window->field(Measure::X);
  for (const anysolve::MeasureInfo& m : anysolve::measures()) {
    QLineEdit* field = window->field(m.measure);
    QCheckBox* box = window->givenBox(m.measure);
    EXPECT_FALSE(field->accessibleName().isEmpty());
    EXPECT_EQ(box->accessibleName(), field->accessibleName() + " given");
    names << field->accessibleName();
    EXPECT_EQ(at, field) << m.name;
    at = nextByTab(at);
    EXPECT_EQ(at, box) << m.name;
    at = nextByTab(at);
  }
  EXPECT_EQ(names.size(), static_cast<qsizetype>(anysolve::kMeasureCount));
  EXPECT_EQ(window->field(Measure::hX)->accessibleName(), "Height to X");
  EXPECT_EQ(at, window->places());
}

}  // namespace
}  // namespace anglewise
