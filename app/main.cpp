// Anglewise, the desktop calculator for plane triangles.
#include <QApplication>

#include "platform/desktop_app.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Anglewise");
  anglewise::DesktopApp desktop;
  desktop.widget().show();
  desktop.widget().control<QWidget>("opt90D")->setFocus();
  return QApplication::exec();
}
