#include "platform/qt_printing.h"

#include <QApplication>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPrintDialog>
#include <QWindow>
#include <cmath>

#include "files/whole_file.h"
#include "platform/qt_window_frame.h"
#include "platform/twips.h"
#include "solver/checked_math.h"

namespace anglewise {

namespace {

constexpr double kInchesPerMeter = 1 / 0.0254;

// The picture's pixels per inch as the bitmap records them; a bitmap that
// records none is taken at the classic screen's 96.
double imageDpi(const QImage& image) {
  return image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() / kInchesPerMeter : 96.0;
}

}  // namespace

// The bitmap records its pixel density, so on a screen scaled by 2 its
// twice as many pixels still stand for the same designed size. It is made
// in memory and written whole or not at all: a save that fails keeps the
// last pic.bmp as it was.
bool QtPictureSaver::savePicture(const std::string& path) {
  QImage image = picture_.image();
  double dpi = logicalDpi(&picture_) * picture_.devicePixelRatioF();
  image.setDotsPerMeterX(static_cast<int>(std::lround(dpi * kInchesPerMeter)));
  image.setDotsPerMeterY(image.dotsPerMeterX());
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP")) return false;
  return writeWholeFile(path,
                        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))
      .empty();
}

PrintSetupDialog::Result QtPrintSetupDialog::showPrintSetup(const std::string& title) {
  QPrintDialog dialog(&printer_.get(), owner_);
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialog.exec() == QDialog::Accepted ? Result::Accepted : Result::Cancelled;
}

GraphicWindow::GraphicWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("frmGraphic");
  setWindowTitle("Graphic");
  setFont(windowFont());
  resizeClientTwips(this, 3360, 3768);
  picture_ = new QLabel(this);
  picture_->setObjectName("Picture1");
  picture_->setAccessibleName("Figure being printed");
  picture_->setFrameShape(QFrame::Panel);
  picture_->setFrameShadow(QFrame::Sunken);
  picture_->setAlignment(Qt::AlignCenter);
  placeTwips(picture_, 120, 120, 3132, 3132);
  auto* label = new QLabel("Printing . . . .     Please Wait", this);
  label->setObjectName("Label1");
  QFont font("MS Sans Serif");
  font.setPointSizeF(9.6);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  placeTwips(label, 120, 3360, 3132, 372);
}

void QtPrintWaitWindow::showWithPicture(const std::string& bitmapPath) {
  if (!window_) window_ = new GraphicWindow(owner_);
  QImage image(QString::fromStdString(bitmapPath));
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(imageDpi(image) / logicalDpi(window_));
  window_->picture()->setPixmap(pixmap);
  centreOnOwner(window_, owner_);
  window_->show();
  paintNow();
  if (owner_) owner_->repaint();
}

// The printer is about to take over the thread: wait (briefly) until the
// window system shows the window, then paint it there and then, so it
// shows the figure and not what the closed dialog left behind.
void QtPrintWaitWindow::paintNow() {
  QDeadlineTimer deadline(kMaxWaitForScreenMs);
  while (!window_->windowHandle() || !window_->windowHandle()->isExposed()) {
    if (deadline.hasExpired()) break;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  QApplication::processEvents();
  window_->repaint();
}

void QtPrintWaitWindow::hide() {
  if (window_) window_->hide();
}

double QtPrinter::twipsToDevice(double twips) {
  return twips * printer_.get().resolution() / 1440.0;
}

void QtPrinter::beginPage() {
  if (painter_.isActive()) return;
  if (!painter_.begin(&printer_.get())) throw RuntimeError(kErrPrinter);
  y_ = 0;
}

void QtPrinter::setFont(const std::string& name, double points, bool bold) {
  // A page left unfinished by an earlier fault is thrown away.
  if (painter_.isActive()) {
    printer_.get().abort();
    painter_.end();
  }
  font_ = QFont(QString::fromStdString(name));
  font_.setStyleHint(QFont::Monospace);
  font_.setPointSizeF(points);
  font_.setBold(bold);
}

void QtPrinter::setFontSize(double points) {
  font_.setPointSizeF(points);
}

void QtPrinter::printText(const std::string& text) {
  beginPage();
  painter_.setFont(font_);
  QFontMetricsF metrics(font_, &printer_.get());
  for (const QString& line : QString::fromStdString(text).split(QChar('\r'))) {
    painter_.drawText(QPointF(0, y_ + metrics.ascent()), line);
    y_ += metrics.height();
  }
}

void QtPrinter::drawPicture(const std::string& bitmapPath, double leftTwips, double topTwips) {
  beginPage();
  QImage image(QString::fromStdString(bitmapPath));
  if (image.isNull()) throw RuntimeError(kErrPrinter);
  // Natural size: the picture's pixels at the density it was saved with.
  double twipsPerPixel = 1440.0 / imageDpi(image);
  QRectF target(twipsToDevice(leftTwips), twipsToDevice(topTwips),
                twipsToDevice(image.width() * twipsPerPixel),
                twipsToDevice(image.height() * twipsPerPixel));
  painter_.drawImage(target, image);
}

void QtPrinter::endDoc() {
  beginPage();
  if (!painter_.end()) throw RuntimeError(kErrPrinter);
}

}  // namespace anglewise
