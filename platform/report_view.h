#pragma once
// The Triangle Report shown: above, the figure of every true triangle with
// the overlays the user ticks (remembered in the settings file) and their
// legend; below, the text, the ambiguous case's two triangles side by side.
// A row of the table and the element of the figure it stands for show each
// other. It only shows; the report is made by report/. The report window
// and the any-three window each hold one.
#include <QWidget>
#include <array>

#include "drawing/overlays.h"
#include "report/triangle_report.h"

class QCheckBox;
class QGridLayout;
class QSplitter;
class QTextBrowser;

namespace anglewise {

class ReportFigureWidget;

class ReportView : public QWidget {
  Q_OBJECT
 public:
  explicit ReportView(QWidget* parent);
  /// Shows `report` in place of what was shown.
  void showReport(const TriangleReport& report);
  /// The same, drawn from the values given: a case without a triangle then
  /// shows what the swinging side falls short of.
  void showReport(const TriangleReport& report, const GivenValues& given);
  QTextBrowser* text() const { return text_; }
  ReportFigureWidget* figure() const { return figure_; }
  QSplitter* splitter() const { return split_; }
  /// The check box that switches `overlay` on and off.
  QCheckBox* overlayBox(drawing::Overlay overlay) const;
  /// The settings file's section and key of the overlays that are on.
  static constexpr char kOverlaysSection[] = "Triangle";
  static constexpr char kOverlaysKey[] = "Overlays";

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void paintSwatches();
  QWidget* buildFigurePanel();
  void display(const TriangleReport& report, std::optional<GivenValues> given);
  void overlaysTicked();
  void fillLegend();
  void rowChosen();
  void markRowsOf(const QString& id, bool scroll);

  QTextBrowser* text_;
  QSplitter* split_;
  ReportFigureWidget* figure_ = nullptr;
  std::array<QCheckBox*, std::size(drawing::kOverlays)> boxes_{};
  QGridLayout* legend_ = nullptr;
  bool linking_ = false;  // while the view itself moves the text
};

}  // namespace anglewise
