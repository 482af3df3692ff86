#pragma once
// "Triangle Report": a window of its own beside the main window showing the
// report of the last Display, the ambiguous case's two triangles side by
// side. It only shows; the report is made by report/. It has no owner, so
// the main window can come in front of it.
#include <QDialog>

#include "report/triangle_report.h"

class QTextBrowser;

namespace anglewise {

class ReportWindow : public QDialog {
  Q_OBJECT
 public:
  /// `beside` is the main window it opens next to.
  explicit ReportWindow(const QWidget* beside);
  /// Shows `report` in place of what was shown.
  void showReport(const TriangleReport& report);
  QTextBrowser* text() const { return text_; }

 private:
  void placeBesideMainWindow(const QWidget* beside);
  QTextBrowser* text_;
};

}  // namespace anglewise
