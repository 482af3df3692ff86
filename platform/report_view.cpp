#include "platform/report_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextTable>
#include <QVBoxLayout>

#include "drawing/report_figure.h"
#include "drawing/report_rows.h"
#include "engine/report_engine.h"
#include "platform/qt_settings.h"
#include "platform/readable_colours.h"
#include "platform/report_figure_widget.h"

namespace anglewise {
namespace {

constexpr char kApp[] = "Anglewise";
// Short, so the figure keeps the room; the accessible names say the centre too.
// Each access key is a letter no other control of the window uses.
constexpr const char* kBoxTexts[] = {"&Heights",      "&Medians",   "Angle &bisectors", "&Incircle",
                                     "&Circumcircle", "E&xcircles", "E&uler line"};

QString cellText(QTextTable* table, int row, int column) {
  QTextTableCell cell = table->cellAt(row, column);
  QTextCursor cursor = cell.firstCursorPosition();
  cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
  return cursor.selectedText().trimmed();
}

QTextTable* firstTable(QTextDocument* document) {
  for (QTextFrame* frame : document->rootFrame()->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(frame)) return table;
  }
  return nullptr;
}

QTextCursor cellCursor(QTextTable* table, int row, int column) {
  QTextTableCell cell = table->cellAt(row, column);
  QTextCursor cursor = cell.firstCursorPosition();
  cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
  return cursor;
}

}  // namespace

ReportView::ReportView(QWidget* parent) : QWidget(parent) {
  setObjectName("reportView");
  text_ = new QTextBrowser(this);
  text_->setObjectName("reportText");
  text_->setAccessibleName("Triangle Report text");
  text_->setAccessibleDescription(
      "The true triangles behind the given values, every derived value, and the working");
  // A caret the arrow keys move: a row of the table reached so shows its element.
  text_->setTextInteractionFlags(text_->textInteractionFlags() | Qt::TextSelectableByKeyboard);
  connect(text_, &QTextBrowser::cursorPositionChanged, this, &ReportView::rowChosen);
  split_ = new QSplitter(Qt::Vertical, this);
  split_->setObjectName("reportSplitter");
  split_->setChildrenCollapsible(false);
  split_->addWidget(buildFigurePanel());
  split_->addWidget(text_);
  split_->setSizes({300, 320});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(split_);
  setTabOrder(figure_, boxes_.front());
  setTabOrder(boxes_.back(), text_);
}

// The figure, and beside it the overlays to tick and the legend.
QWidget* ReportView::buildFigurePanel() {
  auto* panel = new QWidget(this);
  figure_ = new ReportFigureWidget(panel);
  connect(figure_, &ReportFigureWidget::elementPointed, this, [this](const QString& id) {
    markRowsOf(id.isEmpty() ? figure_->highlighted() : id, true);
  });
  auto* overlays = new QGroupBox("Overlays", panel);
  overlays->setObjectName("reportOverlays");
  auto* column = new QVBoxLayout(overlays);
  column->setContentsMargins(6, 4, 6, 4);
  column->setSpacing(2);
  std::optional<drawing::OverlaySet> kept = drawing::parseOverlays(
      QtSettingsStore().GetSetting(kApp, kOverlaysSection, kOverlaysKey).value_or("none"));
  drawing::OverlaySet on = kept.value_or(drawing::OverlaySet());
  for (size_t i = 0; i < boxes_.size(); ++i) {
    drawing::Overlay overlay = drawing::kOverlays[i];
    auto* box = new QCheckBox(kBoxTexts[i], overlays);
    box->setObjectName(
        QString("overlay_%1").arg(QString::fromStdString(drawing::overlayKey(overlay))));
    box->setAccessibleName(QString::fromStdString(drawing::overlayCaption(overlay)));
    box->setToolTip(box->accessibleName());
    box->setAccessibleDescription(
        "Draws the " + QString::fromStdString(drawing::overlayCaption(overlay)).toLower() +
        " over every triangle of the figure");
    box->setChecked(on.has(overlay));
    connect(box, &QCheckBox::toggled, this, &ReportView::overlaysTicked);
    column->addWidget(box);
    boxes_[i] = box;
  }
  paintSwatches();
  legend_ = new QGridLayout;
  legend_->setSpacing(2);
  column->addLayout(legend_);
  column->addStretch();
  figure_->setOverlays(on);
  // On a small screen the boxes scroll rather than make the window taller.
  auto* scroll = new QScrollArea(panel);
  scroll->setObjectName("reportOverlaysScroll");
  scroll->setWidget(overlays);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setFocusPolicy(Qt::NoFocus);  // the boxes take the focus, not their frame
  scroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  scroll->setMinimumHeight(60);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(figure_, 1);
  row->addWidget(scroll);
  return panel;
}

// Each box's swatch: its overlay's colour on the palette, dash and marker.
void ReportView::paintSwatches() {
  drawing::Style style = figure_->style();
  for (size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i]->setIcon(
        legendSwatch(drawing::overlayRole(drawing::kOverlays[i]), style, devicePixelRatioF()));
  }
}

void ReportView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::PaletteChange || !legend_) return;
  paintSwatches();
  fillLegend();
}

QCheckBox* ReportView::overlayBox(drawing::Overlay overlay) const {
  return boxes_[static_cast<size_t>(overlay)];
}

void ReportView::overlaysTicked() {
  drawing::OverlaySet on;
  for (size_t i = 0; i < boxes_.size(); ++i) on.set(drawing::kOverlays[i], boxes_[i]->isChecked());
  figure_->setOverlays(on);
  QtSettingsStore().SaveSetting(kApp, kOverlaysSection, kOverlaysKey, drawing::overlayList(on));
  markRowsOf(figure_->highlighted(), false);
}

// The legend of what is drawn besides the overlays: the triangles, the
// swinging side's arc, what it falls short of.
void ReportView::fillLegend() {
  while (QLayoutItem* item = legend_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  drawing::Style style = figure_->style();
  int row = 0;
  for (const drawing::LegendEntry& entry : figure_->figure().legend) {
    if (drawing::isOverlayRole(entry.role)) continue;
    auto* swatch = new QLabel(legend_->parentWidget());
    swatch->setPixmap(legendSwatch(entry.role, style, devicePixelRatioF()).pixmap(QSize(30, 14)));
    auto* words = new QLabel(QString::fromStdString(entry.text), legend_->parentWidget());
    words->setObjectName(QString("legend_%1").arg(row));
    legend_->addWidget(swatch, row, 0);
    legend_->addWidget(words, row, 1);
    ++row;
  }
  // The boxes and the legend are never cut off at the side: they scroll
  // only up and down.
  auto* scroll = findChild<QScrollArea*>("reportOverlaysScroll");
  scroll->setMinimumWidth(legend_->parentWidget()->sizeHint().width() +
                          scroll->verticalScrollBar()->sizeHint().width());
}

void ReportView::showReport(const TriangleReport& report) {
  display(report, std::nullopt);
}

void ReportView::showReport(const TriangleReport& report, const GivenValues& given) {
  display(report, given);
}

void ReportView::display(const TriangleReport& report, std::optional<GivenValues> given) {
  figure_->setReport(report, std::move(given));
  fillLegend();
  int scroll = text_->verticalScrollBar()->value();
  linking_ = true;
  text_->setHtml(QString::fromStdString(reportEngine().reportHtml(report)));
  makeTextReadable(*text_->document(), text_->palette().color(QPalette::Base));
  linking_ = false;
  text_->verticalScrollBar()->setValue(scroll);
  markRowsOf(figure_->highlighted(), false);
}

// The caret moved: a row of the table shows the element it stands for.
void ReportView::rowChosen() {
  if (linking_) return;
  QTextCursor cursor = text_->textCursor();
  QString id;
  if (QTextTable* table = cursor.currentTable(); table && table == firstTable(text_->document())) {
    QTextTableCell cell = table->cellAt(cursor);
    // The label column stands for the first triangle.
    int triangle = std::max(1, cell.column());
    id = QString::fromStdString(
        drawing::elementOfRow(cellText(table, cell.row(), 0).toStdString(), triangle));
  }
  figure_->showElement(id);
  markRowsOf(figure_->highlighted(), false);
}

// Marks the label and the value of every row that stands for `id`.
void ReportView::markRowsOf(const QString& id, bool scroll) {
  QList<QTextEdit::ExtraSelection> marks;
  QTextTable* table = firstTable(text_->document());
  std::string element = drawing::rowElementOf(id.toStdString());
  if (table && !id.isEmpty()) {
    for (int row = 1; row < table->rows(); ++row) {
      std::string label = cellText(table, row, 0).toStdString();
      for (int column = 1; column < table->columns(); ++column) {
        if (drawing::elementOfRow(label, column) != element) continue;
        for (int at : {0, column}) {
          QTextEdit::ExtraSelection mark;
          mark.cursor = cellCursor(table, row, at);
          mark.format.setBackground(palette().color(QPalette::Highlight));
          mark.format.setForeground(palette().color(QPalette::HighlightedText));
          marks << mark;
        }
      }
    }
  }
  text_->setExtraSelections(marks);
  if (!scroll || marks.isEmpty()) return;
  // Brought into view without moving the caret.
  QRect where = text_->cursorRect(marks.front().cursor);
  QRect view = text_->viewport()->rect();
  QScrollBar* bar = text_->verticalScrollBar();
  if (where.top() < view.top()) bar->setValue(bar->value() + where.top() - view.top());
  if (where.bottom() > view.bottom()) bar->setValue(bar->value() + where.bottom() - view.bottom());
}

}  // namespace anglewise
