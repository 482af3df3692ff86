#pragma once
// The figure's picture box: a sunken frame around a persistent image. The
// figure draws on the image in twips (3072 x 3072 inner units); the image
// is kept at device pixels, so lines stay crisp and survive being covered.
#include <QImage>
#include <QWidget>
#include <functional>

#include "figure/picture_box.h"

namespace anglewise {

class PictureWidget : public QWidget, public PictureBox {
  Q_OBJECT
 public:
  explicit PictureWidget(QWidget* parent = nullptr);

  float ScaleWidth() const override { return kPictureScale; }
  float ScaleHeight() const override { return kPictureScale; }
  void line(float x1, float y1, float x2, float y2, Rgb colour) override;
  void fill(float x1, float y1, float x2, float y2, Rgb colour) override;
  void arc(float cx, float cy, float radius, double start, double end, Rgb colour) override;

  /// The persistent image, as printing saves it.
  const QImage& image() const { return image_; }
  /// Runs on a mouse click on the picture.
  std::function<void()> clicked;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  static constexpr int kBorder = 2;  // pixels of the sunken border
  QRectF innerRect() const;
  void ensureImage();
  double unitsToPixels() const;

  QImage image_;
};

}  // namespace anglewise
