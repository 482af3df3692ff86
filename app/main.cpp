// Anglewise, the desktop calculator for plane triangles.
#include <QApplication>

#include "platform/button_icons.h"
#include "platform/desktop_app.h"
#include "platform/splash_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Anglewise");
  QApplication::setWindowIcon(anglewise::windowIcon());
  auto splash = std::make_unique<anglewise::SplashWindow>();
  anglewise::showSplashFor(*splash, 2000);
  anglewise::DesktopApp desktop;
  splash.reset();
  desktop.widget().show();
  desktop.widget().control<QWidget>("opt90D")->setFocus();
  return QApplication::exec();
}
