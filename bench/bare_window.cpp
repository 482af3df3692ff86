// The yardstick for memory at start: a bare Qt main window, nothing in it.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Bare");
  window.show();
  return QApplication::exec();
}
