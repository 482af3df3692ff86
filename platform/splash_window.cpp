#include "platform/splash_window.h"
#include "anglewise_version.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "platform/button_icons.h"
#include "platform/twips.h"

namespace anglewise {
namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect twips) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  placeTwips(label, twips.x(), twips.y(), twips.width(), twips.height());
  return label;
}

QFrame* addRule(QWidget* parent, const char* name, int top) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  placeTwips(line, 240, top, 4920, 60);
  return line;
}

}  // namespace

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("frmSplash");
  setFont(windowFont());
  resizeClientTwips(this, 5640, 3612);
  auto* frame = new QFrame(this);
  frame->setObjectName("fraMainFrame");
  frame->setFrameShape(QFrame::Box);
  placeTwips(frame, 120, 60, 5400, 3480);

  QLabel* name = addLabel(frame, "lblProductName", QString(), {1560, 360, 3600, 720});
  QFont big("Arial");
  big.setPointSizeF(28.2);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  QLabel* version =
      addLabel(frame, "Lable1", QString("For Windows Ver. ") + kVersion, {1560, 1140, 3600, 300});
  version->setAlignment(Qt::AlignCenter);
  QLabel* logo = addLabel(frame, "Image1", QString(), {240, 240, 1200, 1200});
  logo->setPixmap(windowIcon().pixmap(logo->size()));
  logo->setAccessibleName("Anglewise logo");
  addRule(frame, "Line1", 1680);
  addRule(frame, "Line2", 2880);
  QLabel* about =
      addLabel(frame, "lblMakerLine", "Plane triangles, solved exactly.", {240, 1920, 4920, 300});
  about->setAlignment(Qt::AlignCenter);
  QLabel* rights = addLabel(frame, "lblMakerNote", "Anglewise developers", {240, 3000, 4920, 300});
  rights->setAlignment(Qt::AlignCenter);

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  Form_Load();
}

void SplashWindow::Form_Load() {
  findChild<QLabel*>("lblProductName")->setText("Anglewise");
}

void showSplashFor(SplashWindow& splash, int milliseconds, const std::function<void()>& meanwhile) {
  splash.show();
  // A monotonic clock: the wait ends on time even across midnight.
  QElapsedTimer clock;
  clock.start();
  if (meanwhile) {
    // The splash drawn first, then the work, then the rest of the wait.
    QCoreApplication::processEvents();
    splash.repaint();
    meanwhile();
  }
  while (clock.elapsed() < milliseconds) {
    QEventLoop wait;
    QTimer::singleShot(static_cast<int>(milliseconds - clock.elapsed()), &wait, &QEventLoop::quit);
    wait.exec();
  }
  splash.repaint();
}

}  // namespace anglewise
