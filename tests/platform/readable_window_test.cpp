// What a user reads in our windows: every result shown whole whatever its
// length, colours readable on a dark palette, and the report window placed
// on the screen beside the main window.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QWindow>

#include "platform/desktop_app.h"
#include "platform/help_window.h"
#include "platform/readable_colours.h"
#include "platform/window_placement.h"
#include "tests/platform/gui_fixture.h"

namespace anglewise {
namespace {

class ReadableTest : public GuiTest {
 protected:
  DesktopApp app;
};

// The longest texts the labels can be given: exponent forms, 14 places,
// negative values, D/M/S of huge angles.
const char* const kLongestValues[] = {
    " 6.09663156779843E+16",    "-1.79769313486232E+308", " 4.94065645841247E-324",
    "-123456789.123456",        " 98765432109876.5",      "-0.00001234567890123",
    " 179.99999999999999",      "-1.23456789012346E-15",  " 1E+15",
    "-1234567890d 59m 59s .999"};

TEST_F(ReadableTest, EveryResultLabelShowsItsLongestValueWhole) {
  for (const char* value : kLongestValues) {
    for (Label* label : app.model().resultLabels()) label->setCaption(value);
    for (const NamedControl& entry : app.model().controls()) {
      if (!std::holds_alternative<Label*>(entry.control)) continue;
      auto* shown = app.widget().control<QLabel>(QString::fromUtf8(entry.name.data()));
      ASSERT_NE(shown, nullptr);
      EXPECT_EQ(shown->text(), value);
      int width = QFontMetrics(shown->font()).horizontalAdvance(shown->text());
      EXPECT_LE(width, shown->contentsRect().width())
          << entry.name << " cuts off \"" << value << "\" at " << shown->font().pointSizeF()
          << " pt";
    }
  }
}

TEST_F(ReadableTest, AColumnShrinksAlikeAndGrowsBackForShortValues) {
  app.model().theArea.setCaption(" 6.09663156779843E+16");
  auto* area = app.widget().control<QLabel>("theArea");
  auto* height = app.widget().control<QLabel>("theHeight");
  auto* adec = app.widget().control<QLabel>("adec");
  EXPECT_LT(area->font().pointSizeF(), app.widget().font().pointSizeF());
  EXPECT_EQ(height->font(), area->font());       // the whole column alike
  EXPECT_EQ(adec->font(), app.widget().font());  // other columns untouched
  app.model().theArea.setCaption(" 6");
  EXPECT_EQ(area->font(), app.widget().font());
}

TEST(ReadableColours, ContrastFollowsTheStandardFormula) {
  EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio(QColor("#800000"), QColor("#242424")), 1.42, 0.01);
  EXPECT_NEAR(contrastRatio(QColor("#000080"), QColor("#242424")), 1.03, 0.01);
  const char* const backgrounds[] = {"#ffffff", "#242424", "#000000", "#777777", "#fafad2"};
  const char* const colours[] = {"#800000", "#000080", "#000000", "#ffffff", "#808080"};
  for (const char* background : backgrounds) {
    for (const char* colour : colours) {
      QColor readable = readableOn(QColor(colour), QColor(background));
      EXPECT_GE(contrastRatio(readable, QColor(background)), kReadableContrast)
          << colour << " on " << background;
    }
  }
  EXPECT_EQ(readableOn(QColor("#800000"), Qt::white), QColor("#800000"));  // already fine
}

QPalette darkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor("#242424"));
  dark.setColor(QPalette::WindowText, QColor("#eeeeee"));
  dark.setColor(QPalette::Base, QColor("#242424"));
  dark.setColor(QPalette::Text, QColor("#eeeeee"));
  dark.setColor(QPalette::Button, QColor("#303030"));
  dark.setColor(QPalette::ButtonText, QColor("#eeeeee"));
  return dark;
}

// Every run of text in `browser` against its page, as drawn.
double lowestContrast(const QTextBrowser& browser) {
  QColor page = browser.palette().color(QPalette::Base);
  QColor text = browser.palette().color(QPalette::Text);
  double lowest = 21;
  for (QTextBlock b = browser.document()->begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      QTextCharFormat format = it.fragment().charFormat();
      QColor used =
          format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : text;
      lowest = std::min(lowest, contrastRatio(used, page));
    }
  }
  return lowest;
}

class DarkPaletteTest : public GuiTest {
 protected:
  DarkPaletteTest() : light_(QApplication::palette()) { QApplication::setPalette(darkPalette()); }
  ~DarkPaletteTest() override { QApplication::setPalette(light_); }
  QPalette light_;
};

TEST_F(DarkPaletteTest, ReportSentenceThatTheTriangleDoesNotFitIsReadable) {
  DesktopApp app;
  app.model().optOBL.select();
  const char* sides[] = {"6", "3", "4"};
  for (int row = 0; row < 3; ++row) {
    app.model().inputBox(static_cast<Given>(row + 1)).setText(sides[row]);
    app.model().checkBox(static_cast<Given>(row + 1)).click();
  }
  app.model().displayit();
  app.reports().showReportWindow();
  QTextBrowser* text = app.reports().window()->text();
  ASSERT_TRUE(text->toPlainText().contains("Does not fit together"));
  EXPECT_GE(lowestContrast(*text), kReadableContrast);
}

TEST_F(DarkPaletteTest, HelpGuideHeadingsAreReadable) {
  HelpWindow help(nullptr);
  ASSERT_TRUE(help.LoadFile(HELP_FILE));
  auto* text = help.findChild<QTextBrowser*>("RichTextBox1");
  ASSERT_NE(text, nullptr);
  EXPECT_GE(lowestContrast(*text), kReadableContrast);
}

struct PlacementCase {
  const char* name;
  QRect owner, area;
  QSize size;
  QRect expected;
};

void PrintTo(const PlacementCase& c, std::ostream* out) {
  *out << c.name;
}

class PlaceBesideTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlaceBesideTest, OnTheScreenAndBesideTheMainWindowWhereThereIsRoom) {
  const PlacementCase& c = GetParam();
  QList<QRect> controls = {{c.owner.left() + 400, c.owner.top() + 30, 50, 50}};  // its buttons
  QRect place = placeBeside(c.size, c.owner, c.area, controls);
  EXPECT_EQ(place, c.expected);
  EXPECT_TRUE(c.area.contains(place));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, PlaceBesideTest, testing::Values(
    PlacementCase{"RoomOnTheRight", {0, 0, 560, 425}, {0, 0, 1280, 1024}, {560, 620},
                  {568, 0, 560, 620}},
    PlacementCase{"RoomOnTheLeft", {700, 0, 560, 425}, {0, 0, 1280, 1024}, {560, 620},
                  {132, 0, 560, 620}},
    PlacementCase{"SmallScreenNarrowerBeside", {3, 0, 560, 425}, {0, 0, 1024, 768}, {560, 620},
                  {571, 0, 453, 620}},
    PlacementCase{"TallerThanTheScreen", {3, 0, 560, 425}, {0, 0, 1024, 512}, {560, 1240},
                  {571, 0, 453, 512}},
    PlacementCase{"NoRoomBesideAvoidsTheButtons", {0, 0, 1000, 740}, {0, 0, 1024, 768},
                  {560, 620}, {464, 148, 560, 620}}),
    [](const testing::TestParamInfo<PlacementCase>& info) {
                           return info.param.name;
                         });

TEST_F(ReadableTest, ReportWindowHasNoOwnerToStayAboveAndFitsTheScreen) {
  app.widget().show();
  app.reports().showReportWindow();
  ReportWindow* report = app.reports().window();
  EXPECT_EQ(report->parentWidget(), nullptr);
  ASSERT_NE(report->windowHandle(), nullptr);
  EXPECT_EQ(report->windowHandle()->transientParent(), nullptr);
  QRect area = app.widget().screen()->availableGeometry();
  EXPECT_TRUE(area.contains(report->frameGeometry()))
      << "report at " << report->frameGeometry().x() << "," << report->frameGeometry().y() << " "
      << report->frameGeometry().width() << "x" << report->frameGeometry().height();
}

}  // namespace
}  // namespace anglewise

#include "platform/save_paths.h"

namespace anglewise {
namespace {

TEST(SavePaths, TheChosenFilterGivesABareNameItsSuffix) {
  const QString figures = "SVG drawing (*.svg);;PNG image (*.png);;PDF document (*.pdf)";
  struct Case {
    const char *path, *chosen, *expected;
  } cases[] = {
      {"/t/fig", "PNG image (*.png)", "/t/fig.png"},
      {"/t/fig", "SVG drawing (*.svg)", "/t/fig.svg"},
      {"/t/fig", "", "/t/fig.svg"},
      {"/t/fig.PNG", "SVG drawing (*.svg)", "/t/fig.PNG"},
      {"/t/fig.v2", "PDF document (*.pdf)", "/t/fig.v2.pdf"},
      {"/t/fig.pdf", "PNG image (*.png)", "/t/fig.pdf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(withChosenSuffix(c.path, figures, c.chosen), c.expected) << c.path << " " << c.chosen;
  }
}

}  // namespace
}  // namespace anglewise
