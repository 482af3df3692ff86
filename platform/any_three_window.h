#pragma once
// "Solve from Any Three": a window of its own beside the main window where
// any three measures of a triangle (sides, angles, heights, medians, angle
// bisectors, area, perimeter, inradius, circumradius) are typed and ticked,
// a row per measure as in the main window, and every triangle they make is
// shown as the Triangle Report shows it. It leaves the main window as it is.
#include <QDialog>
#include <array>

#include "anysolve/measure.h"
#include "report/triangle_report.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace anglewise {

class ReportView;

class AnyThreeWindow : public QDialog {
  Q_OBJECT
 public:
  /// `beside` is the main window it opens next to.
  explicit AnyThreeWindow(const QWidget* beside);

  /// Solves the ticked measures, as the Solve button does: a refusal at
  /// once, a search on a worker thread (solving() until it is shown).
  void solve();
  bool solving() const { return solving_; }
  /// Empties every field and unticks every box.
  void clear();

  QLineEdit* field(anysolve::Measure measure) const;
  QCheckBox* givenBox(anysolve::Measure measure) const;
  QComboBox* places() const { return places_; }
  QPushButton* solveButton() const { return solve_; }
  /// The one sentence above the report: how many triangles and why, or
  /// why the measures were not solved.
  QLabel* verdict() const { return verdict_; }
  ReportView* view() const { return view_; }
  /// The report of the last Solve (empty before one, or after a refusal).
  const TriangleReport& report() const { return report_; }

 private:
  QWidget* buildMeasureRows();
  void showRefusal(const std::string& sentence);
  void showSolved(const TriangleReport& report);

  struct Row {
    QCheckBox* given = nullptr;
    QLineEdit* field = nullptr;
  };
  std::array<Row, anysolve::kMeasureCount> rows_{};
  QComboBox* places_ = nullptr;
  QPushButton* solve_ = nullptr;
  QPushButton* clear_ = nullptr;
  QLabel* verdict_ = nullptr;
  ReportView* view_ = nullptr;
  TriangleReport report_;
  int solves_ = 0;  // the Solve whose answer is wanted
  bool solving_ = false;
};

}  // namespace anglewise
