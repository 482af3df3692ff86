#pragma once
// "History": a window of its own listing every Display and Clear of the
// main window (and of earlier runs), kept in the user's history file as it
// happens. Entries can be searched, restored into the main window (their
// inputs played as a user would: the window's own road gives the answer),
// deleted, copied as text or CSV, exported, and saved to or opened from
// triangle files (.anglewise).
#include <QDialog>
#include <QStringList>
#include <functional>

#include "history/history_log.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace anglewise {

class HistoryWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HistoryWindow(QWidget* beside);

  /// Shows `entries` (the newest last), from `source` ("" for the history).
  void showEntries(const std::vector<HistoryEntry>& entries, const QString& source);
  /// A sentence above the list ("" for none).
  void setNote(const QString& note);
  /// The entry shown in each row that the search lets through.
  std::vector<int> visibleRows() const;
  /// The entries the user selected, oldest first.
  std::vector<int> selectedRows() const;
  /// The selected entries, or all shown when none is (for copying).
  std::vector<int> chosenRows() const;

  QLineEdit* search() const { return search_; }
  QTreeWidget* list() const { return list_; }
  QLabel* note() const { return note_; }

  /// What the buttons ask for, wired by the owner.
  std::function<void(int)> restore;
  std::function<void(std::vector<int>)> remove;
  std::function<void()> copyText, copyCsv, exportCsv, saveFile, openFile;

 private:
  void filter();
  QLineEdit* search_;
  QTreeWidget* list_;
  QLabel* note_;
};

}  // namespace anglewise
