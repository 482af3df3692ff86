#include "platform/report_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <exception>

#include "drawing/report_figure.h"
#include "engine/report_engine.h"
#include "platform/report_figure_widget.h"
#include "platform/save_paths.h"

namespace anglewise {
namespace {

constexpr char kStatusText[] = "Status";
constexpr char kDoesNotFit[] = "The shown triangle does not fit together: see the Triangle Report";
constexpr char kApp[] = "Anglewise";
constexpr char kSection[] = "Triangle";
constexpr char kOpenKey[] = "OpenReportWhenNotFitting";
constexpr char kFolderKey[] = "LastFolder";
constexpr char kFigureFilters[] = "SVG drawing (*.svg);;PNG image (*.png);;PDF document (*.pdf)";
constexpr char kPdfFilters[] = "PDF document (*.pdf)";

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

// Shift+F10 opens the focused control's context menu, as the Menu key does.
void openContextMenuByShiftF10(QWidget* window) {
  auto* shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, window, [window] {
    QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
    QPoint centre = focus->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, focus->mapToGlobal(centre));
    QApplication::sendEvent(focus, &event);
  });
}

}  // namespace

ReportActions::ReportActions(MainWindowWidget& widget, MainWindow& model,
                             const RecordingPictureBox& figure, SettingsStore& settings)
    : QObject(&widget), widget_(widget), model_(model), figure_(figure), settings_(settings) {
  addAction("Triangle &Report", QKeySequence(Qt::CTRL | Qt::Key_R),
            &ReportActions::showReportWindow);
  addAction("Copy Res&ults", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
            &ReportActions::copyResults);
  addAction("Copy Re&port", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
            &ReportActions::copyReport);
  addAction("Copy &Figure", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
            &ReportActions::copyFigure);
  addAction("&Save Figure As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            &ReportActions::saveFigureAs);
  addAction("Save Report As P&DF...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
            &ReportActions::saveReportAsPdf);
  buildMenu();
  for (const char* name : {"Frame2", "Picture1"}) {
    QWidget* where = widget_.control(name);
    where->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(where, &QWidget::customContextMenuRequested, this,
            [this, where](const QPoint& at) { offerContextMenu(where, at); });
  }
  openContextMenuByShiftF10(&widget_);
  status_ = widget_.statusPanels()->findChild<QLabel*>("statusText");
  // The results can be selected with the mouse and copied.
  for (const NamedControl& entry : model_.controls()) {
    if (!std::holds_alternative<Label*>(entry.control)) continue;
    QString name = QString::fromUtf8(entry.name.data(), entry.name.size());
    if (auto* shown = widget_.control<QLabel>(name)) {
      shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
  }
  askSavePath = [this](const QString& title, const QString& start, const QString& filters,
                       QString* chosen) {
    return QFileDialog::getSaveFileName(&widget_, title, start, filters, chosen);
  };
}

ReportActions::~ReportActions() {
  delete window_;  // windows of their own, owned here
  delete anyThree_;
}

QAction* ReportActions::addAction(const QString& caption, const QKeySequence& keys,
                                  void (ReportActions::*run)()) {
  auto* action = new QAction(caption, &widget_);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, [this, run] { (this->*run)(); });
  widget_.addAction(action);  // the shortcut works anywhere in the window
  actions_ << action;
  return action;
}

// "&Triangle" stands before Help; the designed menus keep their items.
void ReportActions::buildMenu() {
  menu_ = new QMenu("&Triangle", &widget_);
  menu_->setObjectName("mnuTriangle");
  menu_->addActions(actions_);
  menu_->insertSeparator(actions_.value(1));
  // Beside the report, before the copying commands; not in the context
  // menus, which act on the main window's triangle.
  QAction* anyThree = new QAction("Solve from &Any Three...", &widget_);
  anyThree->setObjectName("mnuSolveAnyThree");
  anyThree->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  anyThree->setShortcutContext(Qt::WindowShortcut);
  connect(anyThree, &QAction::triggered, this, &ReportActions::showAnyThreeWindow);
  widget_.addAction(anyThree);
  menu_->insertAction(menu_->actions().value(1), anyThree);
  menu_->addSeparator();
  openWhenNotFitting_ = menu_->addAction("Open the Report When a Triangle Does &Not Fit");
  openWhenNotFitting_->setCheckable(true);
  openWhenNotFitting_->setChecked(setting(kOpenKey) != "0");
  connect(openWhenNotFitting_, &QAction::toggled, this,
          [this](bool on) { settings_.SaveSetting(kApp, kSection, kOpenKey, on ? "1" : "0"); });
  QMenu* help = widget_.findChild<QMenu*>("mnuHelp");
  widget_.menuBar()->insertMenu(help ? help->menuAction() : nullptr, menu_);
}

void ReportActions::offerCommandsIn(QWidget* window) {
  window->addActions(actions_);
  openContextMenuByShiftF10(window);
}

void ReportActions::offerContextMenu(QWidget* where, const QPoint& at) {
  QMenu menu(where);
  menu.addActions(actions_);
  menu.insertSeparator(actions_.value(1));
  // The report's text keeps its own Copy and Select All after ours.
  if (auto* browser = qobject_cast<QTextBrowser*>(where->parentWidget())) {
    std::unique_ptr<QMenu> standard(browser->createStandardContextMenu());
    menu.addSeparator();
    menu.addActions(standard->actions());
    menu.exec(where->mapToGlobal(at));
    return;
  }
  menu.exec(where->mapToGlobal(at));
}

std::string ReportActions::setting(const char* key) const {
  return settings_.GetSetting(kApp, kSection, key).value_or("");
}

TriangleReport ReportActions::report() const {
  return reportEngine().makeReport(model_.reportInput());
}

// Whether the engine module loads; where it does not (a broken install),
// one box says why, and the window goes on without the report.
bool ReportActions::engineReady() {
  try {
    reportEngine();
    return true;
  } catch (const std::exception& missing) {
    if (!engineMissingTold_) {
      engineMissingTold_ = true;
      QMessageBox::warning(&widget_, "Triangle Report Unavailable",
                           text(missing.what()) +
                               "\n\nThe report, its figure, the figure and report files and "
                               "Solve from Any Three need it: reinstall Anglewise.");
    }
    return false;
  }
}

void ReportActions::refresh() {
  if (!engineReady()) return;
  TriangleReport now = report();
  consistent_ = now.consistent;
  if (status_) status_->setText(now.consistent ? kStatusText : kDoesNotFit);
  bool open = window_ && window_->isVisible();
  if (!now.consistent && !open && openWhenNotFitting_->isChecked()) {
    openReportWindow(false);  // the focus stays where the user is typing
    return;
  }
  if (open) window_->showReport(now, model_.reportInput().given);
}

void ReportActions::showReportWindow() {
  openReportWindow(true);
}

void ReportActions::openReportWindow(bool activate) {
  if (!engineReady()) return;
  if (!window_) {
    window_ = new ReportWindow(&widget_);
    offerCommandsIn(window_);
    QWidget* text = window_->text()->viewport();
    text->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(text, &QWidget::customContextMenuRequested, this,
            [this, text](const QPoint& at) { offerContextMenu(text, at); });
  }
  window_->showReport(report(), model_.reportInput().given);
  window_->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  window_->show();
  window_->raise();
  if (activate) window_->activateWindow();
}

void ReportActions::showAnyThreeWindow() {
  if (!engineReady()) return;
  if (!anyThree_) anyThree_ = new AnyThreeWindow(&widget_);
  anyThree_->show();
  anyThree_->raise();
  anyThree_->activateWindow();
}

void ReportActions::copyResults() {
  QString lines;
  for (const PrintedValue& line : model_.printedValues()) {
    lines += text(line.label + line.caption) + "\n";
  }
  QApplication::clipboard()->setText(lines);
}

void ReportActions::copyReport() {
  if (!engineReady()) return;
  TriangleReport now = report();
  auto* data = new QMimeData;
  data->setText(text(reportEngine().reportText(now)));
  data->setHtml(text(reportEngine().reportHtml(now)));
  QApplication::clipboard()->setMimeData(data);
}

void ReportActions::copyFigure() {
  if (!engineReady()) return;
  QTemporaryDir folder;
  QString svg = folder.filePath("figure.svg"), png = folder.filePath("figure.png");
  auto* data = new QMimeData;
  if (saveFigure(png).empty()) data->setImageData(QImage(png));
  QFile file(svg);
  if (saveFigure(svg).empty() && file.open(QIODevice::ReadOnly)) {
    data->setData("image/svg+xml", file.readAll());
  }
  QApplication::clipboard()->setMimeData(data);
}

// With the report window open, the figure copied or saved is its drawing
// of every true triangle with the overlays shown there; else the window's.
std::string ReportActions::saveFigure(const QString& path) const {
  std::string file = path.toStdString();
  const ReportEngine& engine = reportEngine();
  FigureFormat format = engine.formatOfPath(file);
  if (window_ && window_->isVisible() && window_->figure() && format != FigureFormat::Pdf) {
    drawing::Figure drawn = drawing::drawReportFigure(
        report(), model_.reportInput().given, {window_->figure()->overlays(), 640, 480, true});
    return engine.writeDrawingFile(file, drawn, format);
  }
  return engine.writeFigureFile(file, figure_.ops(), format);
}

std::string ReportActions::saveReportPdf(const QString& path) const {
  drawing::OverlaySet overlays =
      window_ && window_->figure() ? window_->figure()->overlays() : drawing::OverlaySet();
  return reportEngine().writeReportPdf(
      path.toStdString(),
      {figure_.ops(), model_.printedValues(), report(), model_.reportInput().given, overlays});
}

// The dialog opens in the folder last saved to; the chosen filter gives a
// bare name its suffix.
QString ReportActions::askFileName(const QString& title, const QString& name,
                                   const QString& filters) {
  QString folder = text(setting(kFolderKey));
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  QString chosen;
  QString path = askSavePath(title, QDir(folder).filePath(name), filters, &chosen);
  if (path.isEmpty()) return path;
  path = withChosenSuffix(path, filters, chosen);
  settings_.SaveSetting(kApp, kSection, kFolderKey, QFileInfo(path).absolutePath().toStdString());
  return path;
}

void ReportActions::saveFigureAs() {
  if (!engineReady()) return;
  QString path = askFileName("Save Figure As", "figure", kFigureFilters);
  if (path.isEmpty()) return;
  if (std::string error = saveFigure(path); !error.empty()) {
    QMessageBox::warning(&widget_, "Save Figure As",
                         "Could not write " + path + ": " + text(error));
  }
}

void ReportActions::saveReportAsPdf() {
  if (!engineReady()) return;
  QString path = askFileName("Save Report As PDF", "triangle", kPdfFilters);
  if (path.isEmpty()) return;
  if (std::string error = saveReportPdf(path); !error.empty()) {
    QMessageBox::warning(&widget_, "Save Report As PDF",
                         "Could not write " + path + ": " + text(error));
  }
}

}  // namespace anglewise
