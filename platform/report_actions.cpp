#include "platform/report_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>

#include "export/figure_files.h"

namespace anglewise {
namespace {

constexpr char kStatusText[] = "Status";
constexpr char kDoesNotFit[] = "The shown triangle does not fit together: see the Triangle Report";

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

ReportActions::ReportActions(MainWindowWidget& widget, MainWindow& model,
                             const RecordingPictureBox& figure)
    : QObject(&widget), widget_(widget), model_(model), figure_(figure) {
  addAction("Triangle &Report", QKeySequence(Qt::CTRL | Qt::Key_R),
            &ReportActions::showReportWindow);
  addAction("Copy &Results", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
            &ReportActions::copyResults);
  addAction("Copy Re&port", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
            &ReportActions::copyReport);
  addAction("Copy &Figure", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
            &ReportActions::copyFigure);
  addAction("&Save Figure As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            &ReportActions::saveFigureAs);
  addAction("Save Report As &PDF...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
            &ReportActions::saveReportAsPdf);
  for (const char* name : {"Frame2", "Picture1"}) {
    QWidget* where = widget_.control(name);
    where->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(where, &QWidget::customContextMenuRequested, this,
            [this, where](const QPoint&) { offerContextMenu(where); });
  }
  status_ = widget_.statusPanels()->findChild<QLabel*>("statusText");
  // The results can be selected with the mouse and copied.
  for (const NamedControl& entry : model_.controls()) {
    if (!std::holds_alternative<Label*>(entry.control)) continue;
    QString name = QString::fromUtf8(entry.name.data(), entry.name.size());
    if (auto* shown = widget_.control<QLabel>(name)) {
      shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
  }
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

void ReportActions::offerContextMenu(QWidget* where) {
  QMenu menu(where);
  menu.addActions(actions_);
  menu.insertSeparator(actions_.value(1));
  menu.exec(QCursor::pos());
}

TriangleReport ReportActions::report() const {
  return makeReport(model_.reportInput());
}

void ReportActions::refresh() {
  TriangleReport now = report();
  if (status_) status_->setText(now.consistent ? kStatusText : kDoesNotFit);
  if (window_ && window_->isVisible()) window_->showReport(now);
}

void ReportActions::showReportWindow() {
  if (!window_) window_ = new ReportWindow(&widget_);
  window_->showReport(report());
  window_->show();
  window_->raise();
}

void ReportActions::copyResults() {
  QString lines;
  for (const PrintedValue& line : model_.printedValues()) {
    lines += text(line.label + line.caption) + "\n";
  }
  QApplication::clipboard()->setText(lines);
}

void ReportActions::copyReport() {
  TriangleReport now = report();
  auto* data = new QMimeData;
  data->setText(text(reportText(now)));
  data->setHtml(text(reportHtml(now)));
  QApplication::clipboard()->setMimeData(data);
}

void ReportActions::copyFigure() {
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

std::string ReportActions::saveFigure(const QString& path) const {
  std::string file = path.toStdString();
  return writeFigureFile(file, figure_.ops(), formatOfPath(file));
}

std::string ReportActions::saveReportPdf(const QString& path) const {
  return writeReportPdf(path.toStdString(), {figure_.ops(), model_.printedValues(), report()});
}

void ReportActions::saveFigureAs() {
  QString path = QFileDialog::getSaveFileName(&widget_, "Save Figure As", "figure.svg",
                                              "SVG drawing (*.svg);;PNG image (*.png)");
  if (path.isEmpty()) return;
  if (std::string error = saveFigure(path); !error.empty()) {
    QMessageBox::warning(&widget_, "Save Figure As",
                         "Could not write " + path + ": " + text(error));
  }
}

void ReportActions::saveReportAsPdf() {
  QString path = QFileDialog::getSaveFileName(&widget_, "Save Report As PDF", "triangle.pdf",
                                              "PDF document (*.pdf)");
  if (path.isEmpty()) return;
  if (std::string error = saveReportPdf(path); !error.empty()) {
    QMessageBox::warning(&widget_, "Save Report As PDF",
                         "Could not write " + path + ": " + text(error));
  }
}

}  // namespace anglewise
