// The report's figure on a real X display (run through with_desktop.sh):
// X = 10, Y = 6, A = 30 with every overlay ticked, and a screenshot taken
// from the X server whose coloured pixels lie where the figure's data puts
// the triangles, the arc, the incircles and the orthocentres. With
// ANGLEWISE_SCREENSHOT set, the report window with both incircles is saved
// there (docs/report-ambiguous-overlays.png).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "platform/desktop_app.h"
#include "platform/report_figure_widget.h"

namespace anglewise {
namespace {

class ReportFigureDesktopTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "desktop_figure_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
  }

  ReportFigureDesktopTest() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    app.widget().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&app.widget()));
  }

  ReportWindow* openAmbiguousCase(const std::vector<drawing::Overlay>& overlays) {
    QTest::mouseClick(app.widget().control<QRadioButton>("optOBL"), Qt::LeftButton);
    const QStringList texts{"10", "6", "", "30", ""};
    for (int row = 0; row < texts.size(); ++row) {
      if (texts[row].isEmpty()) continue;
      auto* edit = app.widget().control<QLineEdit>(QString("Text%1").arg(row + 1));
      edit->selectAll();
      QTest::keyClicks(edit, texts[row]);
      QTest::mouseClick(app.widget().control<QCheckBox>(QString("Check%1").arg(row + 1)),
                        Qt::LeftButton);
    }
    QTest::mouseClick(app.widget().control<QToolButton>("displaynow"), Qt::LeftButton);
    app.reports().showReportWindow();
    ReportWindow* window = app.reports().window();
    for (drawing::Overlay o : overlays) window->overlayBox(o)->setChecked(true);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    // Placed by the window manager and painted.
    QRect last;
    for (int same = 0, tries = 0; same < 3 && tries < 60; ++tries) {
      QTest::qWait(50);
      QRect now = window->frameGeometry();
      same = now == last ? same + 1 : 0;
      last = now;
    }
    return window;
  }

  // The whole screen as the X server holds it.
  static QImage screenshot() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

  // Whether a pixel within two of the figure's point `at` has `colour`.
  static bool colourNear(const QImage& shot, const ReportFigureWidget* figure, drawing::Point at,
                         drawing::Colour colour) {
    QPoint centre = figure->mapToGlobal(QPoint(int(std::lround(at.x)), int(std::lround(at.y))));
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        QPoint p = centre + QPoint(dx, dy);
        if (!shot.rect().contains(p)) continue;
        QColor c = shot.pixelColor(p);
        if (std::abs(c.red() - colour.r) + std::abs(c.green() - colour.g) +
                std::abs(c.blue() - colour.b) <
            60) {
          return true;
        }
      }
    }
    return false;
  }

  // The share of `count` points round a circle or arc of the figure drawn
  // in `colour` (inside the figure's clip).
  static double shareOn(const QImage& shot, const ReportFigureWidget* figure,
                        const drawing::Shape& s, drawing::Colour colour, int count = 36) {
    double start = s.kind == drawing::Shape::Kind::Arc ? s.start : 0;
    double end = s.kind == drawing::Shape::Kind::Arc ? s.end : 2 * M_PI;
    int seen = 0, hits = 0;
    for (int i = 0; i < count; ++i) {
      double a = start + (end - start) * (i + 0.5) / count;
      drawing::Point p{s.points[0].x + s.radius * std::cos(a),
                       s.points[0].y + s.radius * std::sin(a)};
      if (!figure->figure().clip.contains(p)) continue;
      ++seen;
      hits += colourNear(shot, figure, p, colour) ? 1 : 0;
    }
    return seen ? double(hits) / seen : 0;
  }

  static const drawing::Shape& firstOf(const drawing::Group& g, drawing::Shape::Kind kind) {
    for (const drawing::Shape& s : g.shapes) {
      if (s.kind == kind) return s;
    }
    throw std::runtime_error("no such shape in " + g.id);
  }

  void expectTrianglesArcAndIncircles(const QImage& shot, const ReportFigureWidget* figure) {
    const drawing::Figure& f = figure->figure();
    drawing::Style style = figure->style();
    for (const char* id : {"incircle-1", "incircle-2"}) {
      ASSERT_NE(f.find(id), nullptr) << id;
      EXPECT_GE(shareOn(shot, figure, firstOf(*f.find(id), drawing::Shape::Kind::Circle),
                        style.of(drawing::Role::Incircle).colour),
                0.8)
          << id;
    }
    // The arc is dashed: half of it at least shows.
    EXPECT_GE(shareOn(shot, figure, firstOf(*f.find("swing"), drawing::Shape::Kind::Arc),
                      style.of(drawing::Role::Swing).colour),
              0.5);
    // The first triangle's sides, in the text colour, where overlays do not cross them.
    int hits = 0, seen = 0;
    for (const char* id : {"side-X-1", "side-Y-1", "side-Z-1"}) {
      const drawing::Shape& line = f.find(id)->shapes.front();
      for (double k : {0.2, 0.4, 0.6, 0.8}) {
        drawing::Point p{line.points[0].x + k * (line.points[1].x - line.points[0].x),
                         line.points[0].y + k * (line.points[1].y - line.points[0].y)};
        ++seen;
        hits += colourNear(shot, figure, p, style.foreground) ? 1 : 0;
      }
    }
    EXPECT_GE(hits, seen / 2);
  }

  QTemporaryDir config;
  DesktopApp app;
};

TEST_F(ReportFigureDesktopTest, EveryOverlayIsOnTheScreenWhereTheFigureDrawsIt) {
  ReportWindow* window = openAmbiguousCase(
      std::vector<drawing::Overlay>(std::begin(drawing::kOverlays), std::end(drawing::kOverlays)));
  ReportFigureWidget* figure = window->figure();
  QImage shot = screenshot();
  expectTrianglesArcAndIncircles(shot, figure);
  const drawing::Figure& f = figure->figure();
  drawing::Style style = figure->style();
  for (const char* id : {"circumcircle-1", "circumcircle-2"}) {
    EXPECT_GE(shareOn(shot, figure, firstOf(*f.find(id), drawing::Shape::Kind::Circle),
                      style.of(drawing::Role::Circumcircle).colour),
              0.5)
        << id;
  }
  struct Centre {
    const char* id;
    drawing::Role role;
  } centres[] = {{"orthocentre-1", drawing::Role::Height},
                 {"orthocentre-2", drawing::Role::Height},
                 {"centroid-1", drawing::Role::Median},
                 {"incentre-2", drawing::Role::Bisector}};
  for (const Centre& c : centres) {
    drawing::Point at = *f.find(c.id)->anchor("at");
    if (!f.clip.contains(at)) continue;
    EXPECT_TRUE(colourNear(shot, figure, at, style.of(c.role).colour)) << c.id;
  }
}

TEST_F(ReportFigureDesktopTest, BothTrianglesTheArcAndTheIncircles) {
  ReportWindow* window = openAmbiguousCase({drawing::Overlay::Incircle});
  QImage shot = screenshot();
  expectTrianglesArcAndIncircles(shot, window->figure());
  QString saveTo = qEnvironmentVariable("ANGLEWISE_SCREENSHOT");
  if (saveTo.isEmpty()) return;
  // The report window with its frame, as the README shows it.
  EXPECT_TRUE(shot.copy(window->frameGeometry()).save(saveTo));
}

}  // namespace
}  // namespace anglewise
