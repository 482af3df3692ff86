#include "platform/history_keeper.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

#include "files/whole_file.h"
#include "history/triangle_file.h"

namespace anglewise {
namespace {

constexpr char kRecentKey[] = "Triangle/RecentFiles";
constexpr int kRecentCount = 6;
constexpr char kTriangleFilter[] = "Triangle files (*.anglewise)";

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

QSettings settingsStore() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, "Anglewise", "Anglewise");
}

}  // namespace

HistoryKeeper::HistoryKeeper(QWidget& mainWindow, MainWindow& model, QtMessageBox& messages,
                             std::function<bool()> verdict, std::function<void()> refresh,
                             std::string path)
    : QObject(&mainWindow),
      mainWindow_(mainWindow),
      model_(model),
      messages_(messages),
      verdict_(std::move(verdict)),
      refresh_(std::move(refresh)),
      log_(std::move(path)) {
  LoadedHistory loaded = log_.load();
  history_ = std::move(loaded.entries);
  startNote_ = text(loaded.note);
  askPath = [this](bool save, const QString& title, const QString& start, const QString& filter) {
    return save ? QFileDialog::getSaveFileName(&mainWindow_, title, start, filter)
                : QFileDialog::getOpenFileName(&mainWindow_, title, start, filter);
  };
}

HistoryKeeper::~HistoryKeeper() {
  delete window_;  // a window of its own, owned here
}

void HistoryKeeper::before(std::string_view command) {
  pending_.reset();
  if (command == "displaynow" || command == "Clearthebaord") {
    pending_ = captureInputs(model_, command == "displaynow" ? "display" : "clear", utcNow());
    messagesBefore_ = messages_.said.size();
  }
}

void HistoryKeeper::after(std::string_view) {
  if (!pending_) return;
  HistoryEntry entry = std::move(*pending_);
  pending_.reset();
  if (entry.action == "display") {
    entry.results = resultCaptions(model_);
    for (size_t i = messagesBefore_; i < messages_.said.size(); ++i) {
      entry.messages.push_back(messages_.said[i]);
    }
    entry.consistent = verdict_();
  }
  record(std::move(entry));
}

void HistoryKeeper::record(HistoryEntry entry) {
  if (std::string error = log_.append(entry); !error.empty()) {
    warn("History", "Could not add to the history " + text(log_.path()) + ": " + text(error));
  }
  history_.push_back(std::move(entry));
  if (window_ && source_.isEmpty()) window_->showEntries(history_, "");
}

void HistoryKeeper::showWindow() {
  if (!window_) {
    window_ = new HistoryWindow(&mainWindow_);
    window_->restore = [this](int i) { restore(i); };
    window_->remove = [this](std::vector<int> rows) { remove(std::move(rows)); };
    window_->copyText = [this] { copy(false); };
    window_->copyCsv = [this] { copy(true); };
    window_->exportCsv = [this] { exportCsv(); };
    window_->saveFile = [this] { saveFile(); };
    window_->openFile = [this] {
      QString path = askPath(false, "Open Triangle File", QDir::homePath(), kTriangleFilter);
      if (!path.isEmpty()) openFile(path);
    };
    window_->addActions(mainWindow_.actions());
  }
  window_->setNote(startNote_);
  window_->showEntries(shown(), source_.isEmpty() ? "" : QFileInfo(source_).fileName());
  window_->show();
  window_->raise();
  window_->activateWindow();
}

// The main window's own road gives the answer; restoring records nothing.
void HistoryKeeper::restore(int index) {
  const std::vector<HistoryEntry>& entries = shown();
  if (index < 0 || static_cast<size_t>(index) >= entries.size()) return;
  HistoryEntry entry = entries[index];
  for (const ReplayStep& step : replaySteps(entry)) playStep(model_, step);
  if (refresh_) refresh_();
}

void HistoryKeeper::remove(std::vector<int> rows) {
  std::vector<HistoryEntry>& entries = source_.isEmpty() ? history_ : file_;
  std::sort(rows.rbegin(), rows.rend());
  for (int row : rows) {
    if (row >= 0 && static_cast<size_t>(row) < entries.size()) entries.erase(entries.begin() + row);
  }
  if (source_.isEmpty()) {
    if (std::string error = log_.rewrite(history_); !error.empty()) {
      warn("History", "Could not rewrite the history " + text(log_.path()) + ": " + text(error));
    }
  }
  if (window_)
    window_->showEntries(shown(), source_.isEmpty() ? "" : QFileInfo(source_).fileName());
}

std::vector<HistoryEntry> HistoryKeeper::chosen() const {
  std::vector<HistoryEntry> out;
  if (!window_) return shown();
  for (int row : window_->chosenRows()) out.push_back(shown()[row]);
  return out;
}

void HistoryKeeper::copy(bool csv) {
  std::vector<HistoryEntry> entries = chosen();
  if (csv) return QApplication::clipboard()->setText(text(entriesCsv(entries)));
  QString lines;
  for (const HistoryEntry& entry : entries) lines += text(entryText(entry)) + "\n";
  QApplication::clipboard()->setText(lines);
}

void HistoryKeeper::exportCsv() {
  QString path =
      askPath(true, "Export History", QDir::homePath() + "/history.csv", "CSV file (*.csv)");
  if (path.isEmpty()) return;
  if (!path.endsWith(".csv", Qt::CaseInsensitive)) path += ".csv";
  if (std::string error = writeWholeFile(path.toStdString(), entriesCsv(chosen()));
      !error.empty()) {
    warn("Export History", "Could not write " + path + ": " + text(error));
  }
}

void HistoryKeeper::saveFile() {
  QString path = askPath(true, "Save Triangle File", QDir::homePath() + "/triangles.anglewise",
                         kTriangleFilter);
  if (path.isEmpty()) return;
  if (!path.endsWith(".anglewise", Qt::CaseInsensitive)) path += ".anglewise";
  if (std::string error = saveTriangleFile(path.toStdString(), chosen()); !error.empty()) {
    return warn("Save Triangle File", "Could not write " + path + ": " + text(error));
  }
  rememberFile(path);
}

QString HistoryKeeper::openFile(const QString& path) {
  std::vector<HistoryEntry> entries;
  if (std::string why = openTriangleFile(path.toStdString(), entries); !why.empty()) {
    warn("Open Triangle File", text(why));
    return text(why);
  }
  file_ = std::move(entries);
  source_ = QFileInfo(path).absoluteFilePath();
  rememberFile(source_);
  showWindow();
  return "";
}

void HistoryKeeper::rememberFile(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(path);
  files.prepend(QFileInfo(path).absoluteFilePath());
  while (files.size() > kRecentCount) files.removeLast();
  QSettings settings = settingsStore();
  settings.setValue(kRecentKey, files);
  if (!recentMenu_) return;
  recentMenu_->clear();
  for (const QString& file : files) {
    recentMenu_->addAction(file, this, [this, file] { openFile(file); });
  }
  recentMenu_->setEnabled(!files.isEmpty());
}

QStringList HistoryKeeper::recentFiles() const {
  return settingsStore().value(kRecentKey).toStringList();
}

void HistoryKeeper::addCommandsTo(QMenu* menu) {
  menu->addSeparator();
  QAction* history = menu->addAction("&History...", this, [this] {
    source_.clear();
    showWindow();
  });
  history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  QAction* open = menu->addAction("&Open Triangle File...", this, [this] {
    QString path = askPath(false, "Open Triangle File", QDir::homePath(), kTriangleFilter);
    if (!path.isEmpty()) openFile(path);
  });
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  for (QAction* action : {history, open}) {
    action->setShortcutContext(Qt::WindowShortcut);
    mainWindow_.addAction(action);
  }
  recentMenu_ = menu->addMenu("Recent Triangle Fi&les");
  recentMenu_->setObjectName("mnuRecentFiles");
  QStringList files = recentFiles();
  for (const QString& file : files)
    recentMenu_->addAction(file, this, [this, file] { openFile(file); });
  recentMenu_->setEnabled(!files.isEmpty());
}

void HistoryKeeper::warn(const QString& title, const QString& body) {
  QMessageBox::warning(window_ ? static_cast<QWidget*>(window_) : &mainWindow_, title, body);
}

}  // namespace anglewise
