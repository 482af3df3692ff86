// The real window on a real X display with a window manager (run through
// with_desktop.sh): what only a real display server can show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "platform/desktop_app.h"
#include "platform/num_lock.h"

namespace anglewise {
namespace {

class DesktopTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "desktop_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
  }
  DesktopTest() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    app.widget().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&app.widget()));
  }

  QTemporaryDir config;
  DesktopApp app;
};

void pressNumLock() {
  ASSERT_EQ(QProcess::execute("xdotool", {"key", "Num_Lock"}), 0);
}

QLabel* numLockPanel(MainWindowWidget& window) {
  for (QLabel* panel : window.statusPanels()->findChildren<QLabel*>()) {
    if (panel->text() == "NUM") return panel;
  }
  return nullptr;
}

TEST_F(DesktopTest, NumLockPanelFollowsTheKeyboard) {
  std::optional<bool> before = x11NumLock();
  ASSERT_TRUE(before.has_value()) << "the X server's keyboard names a Num Lock indicator";
  QLabel* panel = numLockPanel(app.widget());
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(QTest::qWaitFor([&] { return panel->isEnabled() == *before; }, 3000));
  pressNumLock();
  EXPECT_TRUE(QTest::qWaitFor([&] { return x11NumLock() == !*before; }, 3000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return panel->isEnabled() == !*before; }, 3000));
  pressNumLock();
  EXPECT_TRUE(QTest::qWaitFor([&] { return x11NumLock() == *before; }, 3000));
}

// Dark pixels on the screen inside `rect` (global coordinates).
int darkPixelsOnScreen(const QRect& rect) {
  QImage shot = QGuiApplication::primaryScreen()
                    ->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height())
                    .toImage();
  int dark = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) dark += qGray(shot.pixel(x, y)) < 96 ? 1 : 0;
  }
  return dark;
}

// Before the printer takes the thread, the print-wait window stands on the
// screen with the figure in it, not with what was there before.
TEST_F(DesktopTest, PrintWaitWindowIsOnScreenWithTheFigureBeforePrinting) {
  QTemporaryDir folder;
  std::string bitmap = folder.path().toStdString() + "/pic.bmp";
  ASSERT_TRUE(QtPictureSaver(*app.widget().picture()).savePicture(bitmap));
  QRect figure = app.widget().picture()->rect();
  figure.moveTopLeft(app.widget().picture()->mapToGlobal(QPoint(0, 0)));
  int figureInk = darkPixelsOnScreen(figure);
  ASSERT_GT(figureInk, 100);

  app.printWait().showWithPicture(bitmap);  // no event processing after this
  EXPECT_TRUE(app.printWait().window()->windowHandle()->isExposed());
  QLabel* picture = app.printWait().window()->picture();
  QRect shown(picture->mapToGlobal(QPoint(0, 0)), picture->size());
  // The same figure, give or take the sunken border's shading.
  EXPECT_NEAR(darkPixelsOnScreen(shown), figureInk, figureInk / 4);
  app.printWait().hide();
}

}  // namespace
}  // namespace anglewise
