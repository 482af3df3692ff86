#include "platform/report_window.h"

#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/readable_colours.h"
#include "platform/window_placement.h"

namespace anglewise {
namespace {

constexpr QSize kDesignedSize(560, 620);

// The frame the window manager puts round a window, taken from the main
// window (the report's is not known before it is shown).
QMargins frameMargins(const QWidget* window) {
  QRect outer = window->frameGeometry(), inner = window->geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

// The main window's leaf controls, on the screen.
QList<QRect> controlsOf(const QWidget* window) {
  QList<QRect> rects;
  for (const QWidget* child : window->findChildren<QWidget*>()) {
    if (!child->isVisible() || !child->findChildren<QWidget*>().isEmpty()) continue;
    rects << QRect(child->mapToGlobal(QPoint(0, 0)), child->size());
  }
  return rects;
}

}  // namespace

ReportWindow::ReportWindow(const QWidget* beside) : QDialog(nullptr) {
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
  resize(kDesignedSize);
  if (beside) placeBesideMainWindow(beside);
}

void ReportWindow::placeBesideMainWindow(const QWidget* beside) {
  QScreen* screen = beside->screen();
  if (!screen) return;
  QMargins margins = frameMargins(beside);
  QRect place = placeBeside(kDesignedSize.grownBy(margins), beside->frameGeometry(),
                            screen->availableGeometry(), controlsOf(beside));
  resize(place.size().shrunkBy(margins));
  move(place.topLeft());  // a window's position is its frame's
}

void ReportWindow::showReport(const TriangleReport& report) {
  int scroll = text_->verticalScrollBar()->value();
  text_->setHtml(QString::fromStdString(reportHtml(report)));
  makeTextReadable(*text_->document(), text_->palette().color(QPalette::Base));
  text_->verticalScrollBar()->setValue(scroll);
}

}  // namespace anglewise
