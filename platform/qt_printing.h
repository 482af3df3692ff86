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
#include <memory>

#include "figure/printing.h"
#include "platform/picture_widget.h"

class QLabel;

namespace anglewise {

/// The printer, made the first time printing asks for it: making a QPrinter
/// loads the system's print support (CUPS and the dozen libraries it
/// brings), which a start that never prints need not carry.
class LazyPrinter {
 public:
  QPrinter& get() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    return *printer_;
  }

 private:
  std::unique_ptr<QPrinter> printer_;
};

class QtPictureSaver : public PictureSaver {
 public:
  explicit QtPictureSaver(PictureWidget& picture) : picture_(picture) {}
  bool savePicture(const std::string& path) override;

 private:
  PictureWidget& picture_;
};

class QtPrintSetupDialog : public PrintSetupDialog {
 public:
  QtPrintSetupDialog(LazyPrinter& printer, QWidget* owner) : printer_(printer), owner_(owner) {}
  Result showPrintSetup(const std::string& title) override;

 private:
  LazyPrinter& printer_;
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
  explicit QtPrinter(LazyPrinter& printer) : printer_(printer) {}
  void setFont(const std::string& name, double points, bool bold) override;
  void setFontSize(double points) override;
  void printText(const std::string& text) override;
  void drawPicture(const std::string& bitmapPath, double leftTwips, double topTwips) override;
  void endDoc() override;

 private:
  void beginPage();
  double twipsToDevice(double twips);
  LazyPrinter& printer_;
  QPainter painter_;
  QFont font_;
  double y_ = 0;
};

}  // namespace anglewise
