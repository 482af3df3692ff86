#include "platform/report_window.h"

#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace anglewise {

ReportWindow::ReportWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("frmReport");
  setWindowTitle("Triangle Report");
  setModal(false);
  setAccessibleName("Triangle Report");
  text_ = new QTextBrowser(this);
  text_->setObjectName("reportText");
  text_->setAccessibleName("Triangle Report text");
  text_->setAccessibleDescription(
      "The true triangles behind the given values, every derived value, and the working");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(text_);
  resize(560, 620);
  // Beside its owner, where the screen has room; else over its right half.
  if (owner) {
    QRect frame = owner->frameGeometry();
    QRect area = owner->screen() ? owner->screen()->availableGeometry() : frame;
    int left = std::min(frame.right() + 8, area.right() - width());
    move(std::max(left, area.left()), std::max(frame.top(), area.top()));
  }
}

void ReportWindow::showReport(const TriangleReport& report) {
  int scroll = text_->verticalScrollBar()->value();
  text_->setHtml(QString::fromStdString(reportHtml(report)));
  text_->verticalScrollBar()->setValue(scroll);
}

}  // namespace anglewise
