// The report window's figure through its widgets: every true triangle
// drawn, overlays ticked and remembered, a row of the table and the element
// it stands for showing each other, and the elements reached with the keys
// and by a screen reader.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QTextTable>
#include <QToolButton>

#include "platform/desktop_app.h"
#include "platform/report_figure_widget.h"
#include "tests/platform/desktop_fixture.h"

namespace anglewise {
namespace {

class ReportFigureWindowTest : public DesktopAppTest {
 protected:
  // Oblique, the given values typed and ticked, Display pressed, the report open.
  ReportWindow* solveOblique(const QStringList& texts) {
    solve("optOBL", texts);
    app.reports().showReportWindow();
    return app.reports().window();
  }

  static void tick(ReportWindow* window, drawing::Overlay overlay) {
    QCheckBox* box = window->overlayBox(overlay);
    if (!box->isChecked()) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }

  static QPoint middleOf(const drawing::Group& g) {
    const drawing::Shape& line = g.shapes.front();
    return QPoint(int((line.points[0].x + line.points[1].x) / 2),
                  int((line.points[0].y + line.points[1].y) / 2));
  }

  // The texts of the table cells the window marks now.
  static QStringList marked(ReportWindow* window) {
    QStringList texts;
    for (const QTextEdit::ExtraSelection& mark : window->text()->extraSelections()) {
      texts << mark.cursor.selectedText().trimmed();
    }
    return texts;
  }
};

TEST_F(ReportFigureWindowTest, DrawsBothTrianglesOfTheAmbiguousCaseWithTheSwingingSide) {
  ReportWindow* window = solveOblique({"10", "6", "", "30", ""});
  const drawing::Figure& f = window->figure()->figure();
  ASSERT_NE(f.find("triangle-1"), nullptr);
  ASSERT_NE(f.find("triangle-2"), nullptr);
  EXPECT_EQ(f.find("triangle-3"), nullptr);
  EXPECT_EQ(f.find("triangle-1")->name, "Triangle 1 (shown)");
  ASSERT_NE(f.find("swing"), nullptr);
  EXPECT_EQ(f.find("swing")->name, "Arc of side Y about C");
  // Drawn at the widget's own size, letters inside it.
  EXPECT_EQ(f.width, window->figure()->width());
  EXPECT_EQ(f.height, window->figure()->height());
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->figure()->isVisible());
}

TEST_F(ReportFigureWindowTest, OverlaysTickedAreDrawnAndRememberedInTheSettingsFile) {
  ReportWindow* window = solveOblique({"10", "6", "", "30", ""});
  EXPECT_EQ(window->figure()->figure().find("incircle-1"), nullptr);
  tick(window, drawing::Overlay::Incircle);
  tick(window, drawing::Overlay::Heights);
  const drawing::Figure& f = window->figure()->figure();
  EXPECT_NE(f.find("incircle-1"), nullptr);
  EXPECT_NE(f.find("incircle-2"), nullptr);
  EXPECT_NE(f.find("orthocentre-2"), nullptr);
  QSettings stored(settingsFile(), QSettings::IniFormat);
  EXPECT_EQ(stored.value("Triangle/Overlays").toString(), "heights,incircle");

  DesktopApp next;  // the next start ticks the same boxes
  next.reports().showReportWindow();
  ReportWindow* again = next.reports().window();
  EXPECT_TRUE(again->overlayBox(drawing::Overlay::Incircle)->isChecked());
  EXPECT_TRUE(again->overlayBox(drawing::Overlay::Heights)->isChecked());
  EXPECT_FALSE(again->overlayBox(drawing::Overlay::Euler)->isChecked());
  next.reports().window()->close();
}

TEST_F(ReportFigureWindowTest, EveryOverlayBoxHasANameADescriptionAndASwatch) {
  ReportWindow* window = solveOblique({"5", "6", "7"});
  for (drawing::Overlay o : drawing::kOverlays) {
    QCheckBox* box = window->overlayBox(o);
    EXPECT_EQ(box->accessibleName().toStdString(), drawing::overlayCaption(o));
    EXPECT_FALSE(box->accessibleDescription().isEmpty());
    EXPECT_FALSE(box->icon().isNull());
    EXPECT_TRUE(box->text().contains('&')) << "an access key";
  }
}

TEST_F(ReportFigureWindowTest, ChoosingARowOfTheTableHighlightsItsElement) {
  ReportWindow* window = solveOblique({"10", "6", "", "30", ""});
  QTextTable* table = nullptr;
  for (QTextFrame* frame : window->text()->document()->rootFrame()->childFrames()) {
    if ((table = qobject_cast<QTextTable*>(frame))) break;
  }
  ASSERT_NE(table, nullptr);
  for (int row = 1; row < table->rows(); ++row) {
    QTextTableCell label = table->cellAt(row, 0);
    QTextCursor cursor = label.firstCursorPosition();
    cursor.setPosition(label.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    if (cursor.selectedText() != "Height to X") continue;
    // The caret into the second triangle's value, as the arrow keys take it.
    window->text()->setTextCursor(table->cellAt(row, 2).firstCursorPosition());
    EXPECT_EQ(window->figure()->highlighted(), "height-X-2");
    EXPECT_EQ(marked(window).size(), 2);
    EXPECT_EQ(marked(window).value(0), "Height to X");
    // Drawn while it is chosen, though the heights are not ticked.
    EXPECT_NE(window->figure()->figure().find("height-X-2"), nullptr);
    window->text()->setTextCursor(QTextCursor(window->text()->document()));
    EXPECT_EQ(window->figure()->highlighted(), "");
    EXPECT_EQ(window->figure()->figure().find("height-X-2"), nullptr);
    return;
  }
  FAIL() << "no row Height to X";
}

TEST_F(ReportFigureWindowTest, PointingAtAnElementMarksItsRowAndNamesIt) {
  ReportWindow* window = solveOblique({"10", "6", "", "30", ""});
  tick(window, drawing::Overlay::Heights);
  ReportFigureWidget* figure = window->figure();
  const drawing::Group* height = figure->figure().find("height-Y-1");
  ASSERT_NE(height, nullptr);
  QStringList pointed;
  QObject::connect(figure, &ReportFigureWidget::elementPointed,
                   [&](const QString& id) { pointed << id; });
  QPoint at = middleOf(*height);
  QMouseEvent move(QEvent::MouseMove, at, figure->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(figure, &move);
  EXPECT_EQ(pointed, QStringList{"height-Y-1"});
  EXPECT_EQ(figure->highlighted(), "height-Y-1");
  QStringList rows = marked(window);
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0], "Height to Y");
  EXPECT_EQ(rows[1].toStdString(), app.reports().report().triangles[0].heights[1].text);

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(figure, &leave);
  EXPECT_EQ(pointed.last(), "");
  EXPECT_TRUE(marked(window).isEmpty());
}

TEST_F(ReportFigureWindowTest, ArrowKeysVisitEveryElementAndAScreenReaderFindsThem) {
  ReportWindow* window = solveOblique({"10", "6", "", "30", ""});
  tick(window, drawing::Overlay::Incircle);
  ReportFigureWidget* figure = window->figure();
  QApplication::setActiveWindow(window);
  figure->setFocus();
  std::vector<const drawing::Group*> elements = figure->elements();
  ASSERT_EQ(elements.size(), 17u) << "two triangles of seven, the arc, two incircles";
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(figure);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::List);
  EXPECT_EQ(list->text(QAccessible::Name), "Triangle Report figure");
  ASSERT_EQ(list->childCount(), static_cast<int>(elements.size()));
  for (size_t i = 0; i < elements.size(); ++i) {
    QTest::keyClick(figure, Qt::Key_Right);
    EXPECT_EQ(figure->focusedElement().toStdString(), elements[i]->id);
    QAccessibleInterface* item = list->child(static_cast<int>(i));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->role(), QAccessible::ListItem);
    EXPECT_EQ(item->text(QAccessible::Name).toStdString(), elements[i]->name);
    EXPECT_EQ(item->text(QAccessible::Description).toStdString(), elements[i]->description);
    EXPECT_TRUE(item->state().selected);
    EXPECT_EQ(list->child(static_cast<int>(i)), item) << "the same item each time";
    EXPECT_EQ(list->indexOfChild(item), static_cast<int>(i));
    EXPECT_EQ(list->focusChild(), item);
  }
  QTest::keyClick(figure, Qt::Key_Right);  // round to the first again
  EXPECT_EQ(figure->focusedElement().toStdString(), elements.front()->id);
  QTest::keyClick(figure, Qt::Key_End);
  EXPECT_EQ(figure->focusedElement().toStdString(), elements.back()->id);
  QTest::keyClick(figure, Qt::Key_Escape);
  EXPECT_EQ(figure->focusedElement(), "");
  EXPECT_TRUE(window->isVisible()) << "Escape first leaves the element";
}

TEST_F(ReportFigureWindowTest, TheIncircleIsNamedWithItsRadius) {
  ReportWindow* window = solveOblique({"10", "6", "", "30", ""});
  tick(window, drawing::Overlay::Incircle);
  const drawing::Group* incircle = window->figure()->figure().find("incircle-2");
  ASSERT_NE(incircle, nullptr);
  EXPECT_EQ(incircle->name, "Incircle of triangle 2");
  std::string radius = app.reports().report().triangles[1].inradius.text;
  EXPECT_EQ(incircle->description.rfind("radius " + radius, 0), 0u) << incircle->description;
}

class ReportWindowAloneTest : public GuiTest {};

TEST_F(ReportWindowAloneTest, WithTheGivenValuesNoTriangleShowsWhatTheSideFallsShortOf) {
  GivenValues given;
  given.oblique = true;
  given.values = {10, 4, std::nullopt, 30, std::nullopt};
  ReportInput input;
  input.given = given;
  ReportWindow window(nullptr);
  window.showReport(makeReport(input), given);
  const drawing::Group* shortfall = window.figure()->figure().find("shortfall");
  ASSERT_NE(shortfall, nullptr);
  EXPECT_NE(shortfall->description.find("is 1 short"), std::string::npos) << shortfall->description;
  window.showReport(makeReport(input));  // without them: the note alone
  EXPECT_EQ(window.figure()->figure().find("shortfall"), nullptr);
  EXPECT_FALSE(window.figure()->figure().notes.empty());
}

}  // namespace
}  // namespace anglewise
