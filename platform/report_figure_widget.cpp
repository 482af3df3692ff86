#include "platform/report_figure_widget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "drawing/report_figure.h"
#include "drawing/report_rows.h"
#include "engine/report_engine.h"
#include "platform/report_figure_accessible.h"

namespace anglewise {
namespace {

drawing::Colour colourOf(const QColor& c) {
  return {c.red(), c.green(), c.blue()};
}

PixelCanvas canvasOf(QImage& image, qreal pixelRatio) {
  return {image.bits(), image.width(), image.height(), static_cast<int>(image.bytesPerLine()),
          pixelRatio};
}

}  // namespace

QIcon legendSwatch(drawing::Role role, const drawing::Style& style, qreal pixelRatio) {
  QImage image(QSize(30, 14) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  reportEngine().paintSwatch(canvasOf(image, pixelRatio), role, {0, 0, 30, 14}, style);
  image.setDevicePixelRatio(pixelRatio);
  return QIcon(QPixmap::fromImage(image));
}

ReportFigureWidget::ReportFigureWidget(QWidget* parent) : QWidget(parent) {
  installFigureAccessibility();
  setObjectName("reportFigure");
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setMinimumSize(120, 90);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName("Triangle Report figure");
  rebuild();
}

ReportFigureWidget::~ReportFigureWidget() {
  forgetFigureElements(this);
}

void ReportFigureWidget::setReport(const TriangleReport& report, std::optional<GivenValues> given) {
  report_ = report;
  given_ = std::move(given);
  rebuild();
}

void ReportFigureWidget::setOverlays(drawing::OverlaySet overlays) {
  overlays_ = overlays;
  rebuild();
}

drawing::Style ReportFigureWidget::style() const {
  return drawing::styleOn(colourOf(palette().color(QPalette::Base)),
                          colourOf(palette().color(QPalette::Text)),
                          colourOf(palette().color(QPalette::Highlight)));
}

// The layout depends on the size: letters and markers keep their pixel
// sizes whatever the scale.
void ReportFigureWidget::rebuild() {
  drawing::FigureOptions options;
  options.overlays = overlays_;
  if (borrowed_) options.overlays.set(*borrowed_);
  options.width = std::max(1, width());
  options.height = std::max(1, height());
  options.legend = false;  // the window shows the legend beside the figure
  figure_ = drawing::drawReportFigure(report_, given_.value_or(GivenValues{}), options);
  // Elements that went away are no longer highlighted.
  for (QString* id : {&hovered_, &focused_, &shown_}) {
    if (!id->isEmpty() && !figure_.find(id->toStdString())) id->clear();
  }
  describe();
  figureElementsChanged(this);
  pointedChanged();
  update();
}

void ReportFigureWidget::describe() {
  QStringList parts;
  for (const drawing::Group* g : figure_.elements()) {
    if (g->id.rfind("triangle-", 0) == 0) parts << QString::fromStdString(g->name);
  }
  for (const std::string& note : figure_.notes) parts << QString::fromStdString(note);
  QString overview = parts.isEmpty() ? "Nothing to draw" : parts.join("; ");
  setAccessibleDescription(
      overview +
      QString("; %1 elements, the arrow keys visit them").arg(figure_.elements().size()));
}

QString ReportFigureWidget::highlighted() const {
  if (!hovered_.isEmpty()) return hovered_;
  if (!focused_.isEmpty()) return focused_;
  return shown_;
}

void ReportFigureWidget::showElement(const QString& id) {
  std::optional<drawing::Overlay> overlay = drawing::overlayOfElement(id.toStdString());
  if (overlay && overlays_.has(*overlay)) overlay.reset();
  shown_ = id;
  if (overlay != borrowed_) {
    borrowed_ = overlay;
    rebuild();  // clears shown_ when there is no such element
  }
  if (!figure_.find(id.toStdString())) shown_.clear();
  update();
}

int ReportFigureWidget::indexOf(const QString& id) const {
  std::vector<const drawing::Group*> all = figure_.elements();
  for (size_t i = 0; i < all.size(); ++i) {
    if (QString::fromStdString(all[i]->id) == id) return static_cast<int>(i);
  }
  return -1;
}

void ReportFigureWidget::focusElement(int index) {
  std::vector<const drawing::Group*> all = figure_.elements();
  focused_ = index >= 0 && index < static_cast<int>(all.size())
                 ? QString::fromStdString(all[index]->id)
                 : QString();
  if (index >= 0 && hasFocus()) figureElementFocused(this, index);
  pointedChanged();
  update();
}

void ReportFigureWidget::pointedChanged() {
  QString now = !hovered_.isEmpty() ? hovered_ : focused_;
  if (now == lastPointed_) return;
  lastPointed_ = now;
  emit elementPointed(now);
}

void ReportFigureWidget::paintEvent(QPaintEvent*) {
  qreal ratio = devicePixelRatioF();
  QImage image((size() * ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  drawing::Paint paint;
  paint.highlight = highlighted().toStdString();
  reportEngine().paintFigure(canvasOf(image, ratio), figure_,
                             {0, 0, double(width()), double(height())}, style(), paint);
  QStylePainter painter(this);
  painter.drawImage(0, 0, image);
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
  }
}

void ReportFigureWidget::resizeEvent(QResizeEvent*) {
  rebuild();
}

void ReportFigureWidget::mouseMoveEvent(QMouseEvent* event) {
  QPointF at = event->position();
  QString id = QString::fromStdString(drawing::elementAt(figure_, {at.x(), at.y()}));
  if (id == hovered_) return;
  hovered_ = id;
  pointedChanged();
  update();
}

void ReportFigureWidget::leaveEvent(QEvent*) {
  if (hovered_.isEmpty()) return;
  hovered_.clear();
  pointedChanged();
  update();
}

void ReportFigureWidget::keyPressEvent(QKeyEvent* event) {
  int count = static_cast<int>(figure_.elements().size());
  int index = indexOf(focused_);
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      if (count) focusElement(index + 1 < count ? index + 1 : 0);
      return;
    case Qt::Key_Left:
    case Qt::Key_Up:
      if (count) focusElement(index > 0 ? index - 1 : count - 1);
      return;
    case Qt::Key_Home:
      if (count) focusElement(0);
      return;
    case Qt::Key_End:
      if (count) focusElement(count - 1);
      return;
    case Qt::Key_Escape:
      if (!focused_.isEmpty()) {
        focusElement(-1);
        return;
      }
      break;
    default:
      break;
  }
  QWidget::keyPressEvent(event);
}

void ReportFigureWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  int index = indexOf(focused_);
  if (index >= 0) figureElementFocused(this, index);
  update();
}

void ReportFigureWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void ReportFigureWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) update();
}

}  // namespace anglewise
