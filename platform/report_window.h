#pragma once
// "Triangle Report": a modeless window beside the main window showing the
// report of the last Display, the ambiguous case's two triangles side by
// side. It only shows; the report is made by report/.
#include <QDialog>

#include "report/triangle_report.h"

class QTextBrowser;

namespace anglewise {

class ReportWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ReportWindow(QWidget* owner);
  /// Shows `report` in place of what was shown.
  void showReport(const TriangleReport& report);
  QTextBrowser* text() const { return text_; }

 private:
  QTextBrowser* text_;
};

}  // namespace anglewise
