#include "platform/desktop_app.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>

#include "platform/about_window.h"
#include "platform/accessibility.h"
#include "platform/help_window.h"
#include "platform/main_window_binding.h"
#include "ports/program_folder.h"
#include "ports/user_program_folder.h"

namespace anglewise {

std::string applicationFolder() {
  // Qt reads /proc/self/exe, so links to the program are already resolved.
  return withTrailingSeparator(QCoreApplication::applicationDirPath().toStdString());
}

std::string programFolder() {
  return chooseProgramFolder(applicationFolder(), userDataHome());
}

DesktopApp::DesktopApp(Loading loading)
    : widget_(std::make_unique<MainWindowWidget>()),
      picture_(*widget_->picture(), recorded_),
      frame_(widget_.get()),
      saver_(*widget_->picture()),
      dialog_(printer_, widget_.get()),
      wait_(widget_.get()),
      qtPrinter_(printer_),
      devices_{saver_, dialog_, wait_, qtPrinter_},
      model_(std::make_unique<MainWindow>(
          MainWindowPorts{messages_, beep_, picture_, &devices_, &settings_, &frame_})) {
  messages_.owner = widget_.get();
  model_->state.programFolder = programFolder();
  reports_ = new ReportActions(*widget_, *model_, recorded_, settings_);
  nameMainWindowControls(*widget_);
  history_ = new HistoryKeeper(
      *widget_, *model_, messages_, [this] { return reports_->consistent(); },
      [this] {
        reports_->refresh();
        describeFigure(*widget_, *model_);
      });
  history_->addCommandsTo(reports_->menu());
  // After a command the report is made once: the Status panel and the
  // report window take it first, then the history its verdict.
  CommandHooks hooks;
  hooks.before = [this](std::string_view command) { history_->before(command); };
  hooks.after = [this](std::string_view command) {
    reports_->refresh();
    describeFigure(*widget_, *model_);
    history_->after(command);
  };
  bindMainWindow(*widget_, *model_, hooks);
  QObject::connect(widget_->menuAction("mnuHelpContents"), &QAction::triggered,
                   [this] { mnuHelpContents_Click(); });
  QObject::connect(widget_->menuAction("mnuHelpAbout"), &QAction::triggered,
                   [this] { mnuHelpAbout_Click(); });
  widget_->aboutToClose = [this] { closing(); };
  if (loading == Loading::Now) {
    load();
  } else {
    // Styled now, and drawn once off the screen to warm the fonts and
    // styles it uses, so that showing it later costs little. (Its native
    // window is left to show(): made earlier, the placement comes out
    // otherwise.)
    widget_->ensurePolished();
    QPixmap warm(widget_->size());
    widget_->render(&warm);
  }
}

void DesktopApp::load() {
  model_->Form_Load();
  describeFigure(*widget_, *model_);
  frame_.fitToScreen();
  widget_->control<QRadioButton>("opt90D")->setFocus();
}

DesktopApp::~DesktopApp() {
  widget_->aboutToClose = nullptr;
}

void DesktopApp::closing() {
  // Every window opened after the main one closes with it, the hidden
  // print-wait window too; then the placement is saved.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != widget_.get()) window->close();
  }
  if (GraphicWindow* graphic = wait_.window()) graphic->deleteLater();
  model_->Form_Unload();
}

std::unique_ptr<HelpWindow> DesktopApp::loadHelpWindow() {
  auto help = std::make_unique<HelpWindow>(widget_.get());
  reports_->offerCommandsIn(help.get());
  HelpPorts ports{messages_, *help, [] { return programFolder(); }};
  anglewise::loadHelpWindow(model_->state, ports);
  return help;
}

void DesktopApp::mnuHelpContents_Click() {
  loadHelpWindow()->exec();
}

void DesktopApp::mnuHelpAbout_Click() {
  AboutWindow about(widget_.get(), systemInfo_);
  about.exec();
}

}  // namespace anglewise
