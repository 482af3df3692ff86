#pragma once
// Printing through Qt: the picture saved as BMP, QPrintDialog titled
// "Page Setup", the print-wait window frmGraphic, and a QPrinter that
// writes lines of text and draws the figure.
#include <QDialog>
#include <QFont>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <functional>

#include "figure/printing.h"
#include "platform/picture_widget.h"

class QLabel;

namespace anglewise {

class QtPictureSaver : public PictureSaver {
 public:
  explicit QtPictureSaver(PictureWidget& picture) : picture_(picture) {}
  bool savePicture(const std::string& path) override;

 private:
  PictureWidget& picture_;
};

class QtPrintSetupDialog : public PrintSetupDialog {
 public:
  QtPrintSetupDialog(QPrinter& printer, QWidget* owner) : printer_(printer), owner_(owner) {}
  Result showPrintSetup(const std::string& title) override;

 private:
  QPrinter& printer_;
  QPointer<QWidget> owner_;
};

/// frmGraphic: the figure and "Printing . . . .     Please Wait".
class GraphicWindow : public QDialog {
  Q_OBJECT
 public:
  explicit GraphicWindow(QWidget* owner);
  QLabel* picture() const { return picture_; }

 private:
  QLabel* picture_;
};

class QtPrintWaitWindow : public PrintWaitWindow {
 public:
  explicit QtPrintWaitWindow(QWidget* owner) : owner_(owner) {}
  void showWithPicture(const std::string& bitmapPath) override;
  void hide() override;
  /// The window once made (it stays loaded, hidden, between prints).
  GraphicWindow* window() const { return window_; }

 private:
  static constexpr int kMaxWaitForScreenMs = 1000;
  void paintNow();
  QPointer<QWidget> owner_;
  QPointer<GraphicWindow> window_;
};

/// Lines of text top-down from the printable area's origin, in the font
/// set last; a fault raises RuntimeError 482.
class QtPrinter : public PrinterPort {
 public:
  explicit QtPrinter(QPrinter& printer) : printer_(printer) {}
  void setFont(const std::string& name, double points, bool bold) override;
  void setFontSize(double points) override;
  void printText(const std::string& text) override;
  void drawPicture(const std::string& bitmapPath, double leftTwips, double topTwips) override;
  void endDoc() override;

 private:
  void beginPage();
  double twipsToDevice(double twips) const;
  QPrinter& printer_;
  QPainter painter_;
  QFont font_;
  double y_ = 0;
};

}  // namespace anglewise
