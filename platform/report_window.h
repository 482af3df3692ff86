#pragma once
// "Triangle Report": a window of its own beside the main window showing the
// report of the last Display in a ReportView. It has no owner, so the main
// window can come in front of it.
#include <QDialog>

#include "platform/report_view.h"

namespace anglewise {

class ReportWindow : public QDialog {
  Q_OBJECT
 public:
  /// `beside` is the main window it opens next to.
  explicit ReportWindow(const QWidget* beside);
  void showReport(const TriangleReport& report) { view_->showReport(report); }
  void showReport(const TriangleReport& report, const GivenValues& given) {
    view_->showReport(report, given);
  }
  ReportView* view() const { return view_; }
  QTextBrowser* text() const { return view_->text(); }
  ReportFigureWidget* figure() const { return view_->figure(); }
  QCheckBox* overlayBox(drawing::Overlay overlay) const { return view_->overlayBox(overlay); }

 private:
  ReportView* view_;
};

}  // namespace anglewise
