// The real window on a real X display with a window manager (run through
// with_desktop.sh): what only a real display server can show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "help/linux_system_info.h"
#include "platform/about_window.h"
#include "platform/desktop_app.h"
#include "platform/help_window.h"
#include "platform/num_lock.h"
#include "platform/splash_window.h"
#include "platform/twips.h"

namespace anglewise {
namespace {

class DesktopTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "desktop_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
    // The history and the user's folders of the windows made below, not the real ones.
    static QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
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

// What the X server says of a window, from outside the program: its client
// rectangle on the screen and the frame the window manager put round it.
struct OnScreen {
  QRect client;
  QMargins frame;
  QRect outer() const { return client.marginsAdded(frame); }
};

QString ask(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  process.waitForFinished(5000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

OnScreen onScreen(const QWidget* window) {
  QString id = QString::number(window->winId());
  OnScreen seen;
  int x = 0, y = 0, w = 0, h = 0;
  for (const QString& line : ask("xwininfo", {"-id", id}).split('\n')) {
    QString value = line.section(':', 1).trimmed();
    if (line.contains("Absolute upper-left X")) x = value.toInt();
    if (line.contains("Absolute upper-left Y")) y = value.toInt();
    if (line.trimmed().startsWith("Width:")) w = value.toInt();
    if (line.trimmed().startsWith("Height:")) h = value.toInt();
  }
  seen.client = QRect(x, y, w, h);
  QStringList extents = ask("xprop", {"-id", id, "_NET_FRAME_EXTENTS"}).section('=', 1).split(',');
  if (extents.size() == 4) {
    seen.frame = QMargins(extents[0].trimmed().toInt(), extents[2].trimmed().toInt(),
                          extents[1].trimmed().toInt(), extents[3].trimmed().toInt());
  }
  return seen;
}

// Shown, framed by the window manager, and no longer moving.
OnScreen settled(QWidget* window) {
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
  OnScreen last = onScreen(window);
  for (int same = 0, tries = 0; same < 3 && tries < 50; ++tries) {
    QTest::qWait(50);
    OnScreen now = onScreen(window);
    same = now.client == last.client && now.frame == last.frame ? same + 1 : 0;
    last = now;
  }
  return last;
}

int px(int twips) {
  return twipsToPixels(twips, 96);
}

void expectCentredOn(const QRect& window, const QRect& on, int slack) {
  EXPECT_NEAR(window.center().x(), on.center().x(), slack);
  EXPECT_NEAR(window.center().y(), on.center().y(), slack);
}

TEST_F(DesktopTest, AboutBoxOpensAtItsDesignedSizeCentredOnTheMainWindow) {
  OnScreen main = settled(&app.widget());
  LinuxSystemInformation info;
  AboutWindow about(&app.widget(), info);
  about.show();
  OnScreen box = settled(&about);
  EXPECT_EQ(box.client.size(), QSize(px(5808), px(3084)));
  expectCentredOn(box.outer(), main.outer(), 30);

  about.sysInfoButton()->click();
  OnScreen enlarged = settled(&about);
  EXPECT_EQ(enlarged.outer().height(), px(6768));  // the outer height asked for
  EXPECT_EQ(enlarged.outer().top(), box.outer().top() - px(1500));
  EXPECT_EQ(enlarged.client.width(), px(5808));
}

TEST_F(DesktopTest, HelpWindowOpensAtItsDesignedSizeCentredOnTheMainWindow) {
  OnScreen main = settled(&app.widget());
  HelpWindow help(&app.widget());
  ASSERT_TRUE(help.LoadFile(HELP_FILE));
  help.show();
  OnScreen shown = settled(&help);
  EXPECT_EQ(shown.client.size(), QSize(px(8424), px(6480)));
  EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(shown.outer()));
  expectCentredOn(shown.outer(), main.outer(), 30);
}

TEST_F(DesktopTest, SplashOpensAtItsDesignedSizeCentredOnTheScreen) {
  SplashWindow splash;
  splash.show();
  OnScreen shown = settled(&splash);
  EXPECT_EQ(shown.client.size(), QSize(px(5640), px(3612)));
  expectCentredOn(shown.outer(), QRect(0, 0, 1280, 1024), 20);
}

TEST_F(DesktopTest, PrintWaitWindowOpensAtItsDesignedSizeCentredOnTheMainWindow) {
  OnScreen main = settled(&app.widget());
  QTemporaryDir folder;
  std::string bitmap = folder.path().toStdString() + "/pic.bmp";
  ASSERT_TRUE(QtPictureSaver(*app.widget().picture()).savePicture(bitmap));
  app.printWait().showWithPicture(bitmap);
  OnScreen shown = settled(app.printWait().window());
  EXPECT_EQ(shown.client.size(), QSize(px(3360), px(3768)));
  expectCentredOn(shown.outer(), main.outer(), 30);
  app.printWait().hide();
}

TEST_F(DesktopTest, ReportWindowOpensBesideTheMainWindowWhollyOnTheScreen) {
  OnScreen main = settled(&app.widget());
  app.reports().showReportWindow();
  OnScreen report = settled(app.reports().window());
  EXPECT_FALSE(report.outer().intersects(main.outer()));
  EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(report.outer()));
  EXPECT_GT(report.client.left(), main.outer().right());  // on the right, where there is room
}

}  // namespace
}  // namespace anglewise
