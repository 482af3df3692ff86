// Anglewise, the desktop calculator for plane triangles.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>
#include <string_view>

#include "anglewise_version.h"

#include "platform/button_icons.h"
#include "platform/desktop_app.h"
#include "platform/display_check.h"
#include "platform/splash_window.h"

namespace {

// --help and --version answer without a screen, so that the manual page can
// be made from them and a terminal user gets an answer.
bool answeredFromTheCommandLine(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--version") {
      std::printf("anglewise %s\n", anglewise::kVersion);
      return true;
    }
    if (arg == "--help" || arg == "-h") {
      std::printf(
          "Usage: anglewise [OPTION] [FILE.anglewise]\n"
          "Anglewise, a calculator for plane triangles: choose a right or an oblique\n"
          "triangle, type the known sides and angles, tick them and press Display.\n"
          "The window solves the triangle, shows every side, angle, height, width and\n"
          "area, draws it to scale, prints it, and tells the true triangle behind it\n"
          "in the Triangle Report (Ctrl+R).\n"
          "\n"
          "  FILE.anglewise a triangle file to open in the History window\n"
          "  -h, --help     display this help and exit\n"
          "  --version      output version information and exit\n"
          "\n"
          "Exit status: 0 when the window was closed; 2 for an unknown option, or\n"
          "when there is no graphical display to open the window on.\n"
          "\n"
          "The window's placement is kept in ~/.config/Anglewise/Anglewise.ini.\n"
          "The same solving without a screen: anglewise-cli.\n");
      return true;
    }
  }
  return false;
}

constexpr int kExitUsage = 2;

int usageError(const char* sentence) {
  std::fprintf(stderr, "anglewise: %s\n", sentence);
  return kExitUsage;
}

// What is left once Qt has taken its own options (-style, -platform...):
// at most one triangle file to open, and no other option.
bool readArguments(int argc, char** argv, QString& file) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "anglewise: unknown option %s; anglewise --help lists the options.\n",
                   argv[i]);
      return false;
    }
    if (!file.isEmpty()) {
      std::fprintf(stderr, "anglewise: opens one triangle file at a time, not %s as well.\n",
                   argv[i]);
      return false;
    }
    file = QString::fromLocal8Bit(argv[i]);
  }
  return true;
}

// What the history had to leave out or move aside at start, said once the
// window is up.
void tellStartNote(anglewise::DesktopApp& desktop) {
  QString note = desktop.history().startNote();
  if (note.isEmpty()) return;
  auto* box = new QMessageBox(QMessageBox::Information, "History", note, QMessageBox::Ok,
                              &desktop.widget());
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace

int main(int argc, char** argv) {
  if (answeredFromTheCommandLine(argc, argv)) return 0;
  if (!anglewise::displayReachable(argc, argv)) {
    return usageError(
        "needs a graphical display (none was found: DISPLAY names no X server that answers); "
        "run it on a desktop, or solve without a screen with anglewise-cli.");
  }
  QApplication app(argc, argv);
  QString file;
  if (!readArguments(argc, argv, file)) return kExitUsage;
  QApplication::setApplicationName("Anglewise");
  QApplication::setWindowIcon(anglewise::windowIcon());
  // The main window's widgets are built while the splash is up, and loaded
  // once it is gone, so the window is drawn the moment the splash ends.
  auto splash = std::make_unique<anglewise::SplashWindow>();
  std::unique_ptr<anglewise::DesktopApp> built;
  anglewise::showSplashFor(*splash, 2000, [&built] {
    built = std::make_unique<anglewise::DesktopApp>(anglewise::DesktopApp::Loading::Later);
  });
  anglewise::DesktopApp& desktop = *built;
  splash.reset();
  desktop.load();
  desktop.widget().show();
  desktop.widget().control<QWidget>("opt90D")->setFocus();
  tellStartNote(desktop);
  if (!file.isEmpty()) desktop.history().openFile(file);
  return QApplication::exec();
}
