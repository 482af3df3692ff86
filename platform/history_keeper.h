#pragma once
// Keeps the history of the main window: each Display and Clear becomes an
// entry (its inputs caught just before the command, its answer just after)
// appended to the user's history file at once. Owns the History window and
// the triangle-file commands of our Triangle menu.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>
#include <string_view>

#include "history/history_log.h"
#include "mainwindow/main_window.h"
#include "platform/history_window.h"
#include "platform/qt_ports.h"

class QMenu;

namespace anglewise {

class HistoryKeeper : public QObject {
  Q_OBJECT
 public:
  /// `verdict` tells whether the report finds the shown triangle consistent;
  /// `refresh` runs after a restore, as after a command of the user's.
  HistoryKeeper(QWidget& mainWindow, MainWindow& model, QtMessageBox& messages,
                std::function<bool()> verdict, std::function<void()> refresh,
                std::string path = defaultHistoryPath());
  ~HistoryKeeper() override;

  void before(std::string_view command);
  void after(std::string_view command);

  /// The History window, opened (and raised) on the history or a file.
  void showWindow();
  /// Plays entry `index` of what the window shows into the main window.
  void restore(int index);
  /// Opens a triangle file into the History window; "" or why not.
  QString openFile(const QString& path);
  /// Adds our commands to `menu` (History, Open, the recent files).
  void addCommandsTo(QMenu* menu);

  const std::vector<HistoryEntry>& entries() const { return history_; }
  const std::vector<HistoryEntry>& shown() const { return source_.isEmpty() ? history_ : file_; }
  const QString& startNote() const { return startNote_; }
  HistoryWindow* window() const { return window_; }
  QStringList recentFiles() const;

  /// Asks for a file name (QFileDialog's by default): save or open, title,
  /// start, filters.
  std::function<QString(bool save, const QString&, const QString&, const QString&)> askPath;

 private:
  void record(HistoryEntry entry);
  void remove(std::vector<int> rows);
  void copy(bool csv);
  void exportCsv();
  void saveFile();
  void rememberFile(const QString& path);
  void warn(const QString& title, const QString& text);
  std::vector<HistoryEntry> chosen() const;

  QWidget& mainWindow_;
  MainWindow& model_;
  QtMessageBox& messages_;
  std::function<bool()> verdict_;
  std::function<void()> refresh_;
  HistoryLog log_;
  std::vector<HistoryEntry> history_;
  std::vector<HistoryEntry> file_;  // a triangle file's entries, while one is shown
  QString source_;                  // that file, or "" for the history
  QString startNote_;
  std::optional<HistoryEntry> pending_;
  size_t messagesBefore_ = 0;
  QPointer<HistoryWindow> window_;
  QMenu* recentMenu_ = nullptr;
};

}  // namespace anglewise
