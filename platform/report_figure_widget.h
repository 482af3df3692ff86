#pragma once
// The Triangle Report's figure on the screen: drawn by the same cairo code
// as the files, in the palette's colours, laid out anew at every size. An
// element under the pointer, or reached with the arrow keys, is
// highlighted with its value written; a screen reader finds every element
// as an item of the figure, with its name and description.
#include <QIcon>
#include <QWidget>
#include <optional>

#include "drawing/figure.h"
#include "drawing/overlays.h"
#include "drawing/style.h"
#include "report/triangle_report.h"

namespace anglewise {

class ReportFigureWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ReportFigureWidget(QWidget* parent = nullptr);
  ~ReportFigureWidget() override;

  /// Draws `report`; with `given`, a case without a triangle shows what
  /// the swinging side falls short of.
  void setReport(const TriangleReport& report, std::optional<GivenValues> given = std::nullopt);
  void setOverlays(drawing::OverlaySet overlays);
  drawing::OverlaySet overlays() const { return overlays_; }

  /// The figure as drawn now, in the widget's own coordinates.
  const drawing::Figure& figure() const { return figure_; }
  /// The figure's elements, in the order the arrow keys visit them.
  std::vector<const drawing::Group*> elements() const { return figure_.elements(); }

  /// Highlights an element chosen elsewhere (a row of the table), drawing
  /// its overlay while it is chosen if that is not on; "" for none.
  void showElement(const QString& id);
  /// The element the arrow keys are on, or "".
  QString focusedElement() const { return focused_; }
  /// The element highlighted now: under the pointer, else the one the keys
  /// are on, else the one chosen elsewhere.
  QString highlighted() const;
  /// Moves the keyboard's element to the element at `index` (-1: none).
  void focusElement(int index);

  drawing::Style style() const;

 signals:
  /// The element under the pointer or the keys changed: its id, or "".
  void elementPointed(const QString& id);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void rebuild();
  void pointedChanged();
  void describe();
  int indexOf(const QString& id) const;

  TriangleReport report_;
  std::optional<GivenValues> given_;
  drawing::OverlaySet overlays_;
  std::optional<drawing::Overlay> borrowed_;  // drawn for the element chosen elsewhere
  drawing::Figure figure_;
  QString hovered_, focused_, shown_;
  QString lastPointed_;
};

/// A legend's swatch for `role`: its colour, dash and marker, 30 x 14.
QIcon legendSwatch(drawing::Role role, const drawing::Style& style, qreal pixelRatio);

}  // namespace anglewise
