// The yardsticks for memory at start: a bare Qt main window with nothing in
// it, or (with --least) the least a window like ours can be: the main
// window's size, a menu bar, and one label, field and button of text.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Bare");
  if (argc > 1 && std::strcmp(argv[1], "--least") == 0) {
    window.menuBar()->addMenu("&File")->addAction("E&xit");
    auto* controls = new QWidget;
    auto* column = new QVBoxLayout(controls);
    column->addWidget(new QLabel("Area = 6"));
    column->addWidget(new QLineEdit("3"));
    column->addWidget(new QPushButton("Display"));
    window.setCentralWidget(controls);
    window.resize(560, 400);
  }
  window.show();
  return QApplication::exec();
}
