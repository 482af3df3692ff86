#pragma once
// "Triangle Report": a window of its own beside the main window showing the
// report of the last Display: above, the figure of every true triangle with
// the overlays the user ticks (remembered in the settings file) and their
// legend; below, the text, the ambiguous case's two triangles side by side.
// A row of the table and the element of the figure it stands for show each
// other. It only shows; the report is made by report/. It has no owner, so
// the main window can come in front of it.
#include <QDialog>
#include <array>

#include "drawing/overlays.h"
#include "report/triangle_report.h"

class QCheckBox;
class QGridLayout;
class QTextBrowser;

namespace anglewise {

class ReportFigureWidget;

class ReportWindow : public QDialog {
  Q_OBJECT
 public:
  /// `beside` is the main window it opens next to.
  explicit ReportWindow(const QWidget* beside);
  /// Shows `report` in place of what was shown.
  void showReport(const TriangleReport& report);
  /// The same, drawn from the values given: a case without a triangle then
  /// shows what the swinging side falls short of.
  void showReport(const TriangleReport& report, const GivenValues& given);
  QTextBrowser* text() const { return text_; }
  ReportFigureWidget* figure() const { return figure_; }
  /// The check box that switches `overlay` on and off.
  QCheckBox* overlayBox(drawing::Overlay overlay) const;
  /// The settings file's section and key of the overlays that are on.
  static constexpr char kOverlaysSection[] = "Triangle";
  static constexpr char kOverlaysKey[] = "Overlays";

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void paintSwatches();
  void placeBesideMainWindow(const QWidget* beside);
  QWidget* buildFigurePanel();
  void display(const TriangleReport& report, std::optional<GivenValues> given);
  void overlaysTicked();
  void fillLegend();
  void rowChosen();
  void markRowsOf(const QString& id, bool scroll);

  QTextBrowser* text_;
  ReportFigureWidget* figure_ = nullptr;
  std::array<QCheckBox*, std::size(drawing::kOverlays)> boxes_{};
  QGridLayout* legend_ = nullptr;
  bool linking_ = false;  // while the window itself moves the text
};

}  // namespace anglewise
