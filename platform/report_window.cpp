#include "platform/report_window.h"

#include <QVBoxLayout>

#include "platform/window_placement.h"

namespace anglewise {

ReportWindow::ReportWindow(const QWidget* beside) : QDialog(nullptr) {
  setObjectName("frmReport");
  setWindowTitle("Triangle Report");
  setModal(false);
  setAccessibleName("Triangle Report");
  view_ = new ReportView(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(view_);
  constexpr QSize kDesignedSize(560, 620);
  if (beside) {
    placeWindowBeside(*this, kDesignedSize, *beside);
  } else {
    resize(kDesignedSize);
  }
}

}  // namespace anglewise
