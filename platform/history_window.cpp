#include "platform/history_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/window_placement.h"

namespace anglewise {
namespace {

constexpr QSize kDesignedSize(860, 420);

QPushButton* addButton(QBoxLayout* row, const QString& caption, const QString& description,
                       const std::function<void()>& run) {
  auto* button = new QPushButton(caption);
  button->setAccessibleDescription(description);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, [run] { run(); });
  row->addWidget(button);
  return button;
}

}  // namespace

HistoryWindow::HistoryWindow(QWidget* beside) : QDialog(nullptr) {
  setObjectName("frmHistory");
  setWindowTitle("History");
  setAccessibleName("History");
  setModal(false);
  note_ = new QLabel(this);
  note_->setObjectName("historyNote");
  note_->setWordWrap(true);
  note_->hide();
  search_ = new QLineEdit(this);
  search_->setObjectName("historySearch");
  search_->setPlaceholderText("Search the history");
  search_->setAccessibleName("Search the history");
  search_->setClearButtonEnabled(true);
  connect(search_, &QLineEdit::textChanged, this, [this] { filter(); });
  list_ = new QTreeWidget(this);
  list_->setColumnCount(4);
  list_->setHeaderLabels({"When", "Triangle", "Given", "Answer"});
  list_->setRootIsDecorated(false);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setStretchLastSection(true);
  list_->setObjectName("historyList");
  list_->setAccessibleName("Entries");
  list_->setAccessibleDescription("Every Display and Clear, the newest last; Enter restores one");
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    if (restore) restore(item->data(0, Qt::UserRole).toInt());
  });
  auto* buttons = new QHBoxLayout;
  auto current = [this] {
    QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
  };
  addButton(buttons, "&Restore", "Play the entry's inputs into the main window", [this, current] {
    if (restore && current() >= 0) restore(current());
  });
  addButton(buttons, "&Delete", "Delete the selected entries from the history", [this] {
    if (remove) remove(selectedRows());
  });
  addButton(buttons, "&Copy", "Copy the entries as text", [this] { copyText(); });
  addButton(buttons, "Copy CS&V", "Copy the entries as CSV", [this] { copyCsv(); });
  addButton(buttons, "E&xport...", "Save the entries as a CSV file", [this] { exportCsv(); });
  addButton(buttons, "Sa&ve As...", "Save the entries as a triangle file", [this] { saveFile(); });
  addButton(buttons, "&Open...", "Open a triangle file", [this] { openFile(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note_);
  layout->addWidget(search_);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(kDesignedSize);
  if (beside && beside->screen()) {
    QRect place = placeBeside(kDesignedSize, beside->frameGeometry(),
                              beside->screen()->availableGeometry(), {});
    resize(place.size());
    move(place.topLeft());
  }
}

void HistoryWindow::showEntries(const std::vector<HistoryEntry>& entries, const QString& source) {
  setWindowTitle(source.isEmpty() ? "History" : "History - " + source);
  list_->clear();
  for (size_t i = 0; i < entries.size(); ++i) {
    QStringList columns;
    for (const std::string& column : entryColumns(entries[i])) {
      columns << QString::fromStdString(column);
    }
    auto* item = new QTreeWidgetItem(list_, columns);
    item->setData(0, Qt::UserRole, static_cast<int>(i));
    item->setToolTip(3, columns[3]);
  }
  for (int column = 0; column < 3; ++column) list_->resizeColumnToContents(column);
  filter();
  if (list_->topLevelItemCount() > 0) {
    list_->setCurrentItem(list_->topLevelItem(list_->topLevelItemCount() - 1));
    list_->scrollToBottom();
  }
}

void HistoryWindow::setNote(const QString& note) {
  note_->setText(note);
  note_->setVisible(!note.isEmpty());
}

void HistoryWindow::filter() {
  QString words = search_->text().trimmed();
  for (int row = 0; row < list_->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    QString text;
    for (int column = 0; column < item->columnCount(); ++column) text += item->text(column) + " ";
    bool shown = true;
    for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
      shown = shown && text.contains(word, Qt::CaseInsensitive);
    }
    item->setHidden(!shown);
  }
}

std::vector<int> HistoryWindow::visibleRows() const {
  std::vector<int> rows;
  for (int row = 0; row < list_->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (!item->isHidden()) rows.push_back(item->data(0, Qt::UserRole).toInt());
  }
  return rows;
}

std::vector<int> HistoryWindow::selectedRows() const {
  std::vector<int> rows;
  for (int row = 0; row < list_->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (item->isSelected() && !item->isHidden())
      rows.push_back(item->data(0, Qt::UserRole).toInt());
  }
  return rows;
}

std::vector<int> HistoryWindow::chosenRows() const {
  std::vector<int> rows = selectedRows();
  return rows.empty() ? visibleRows() : rows;
}

}  // namespace anglewise
