#pragma once
// Printing one page: the figure travels through "pic.bmp" in the program
// folder and the print-wait window to the printer, with the title and the
// twelve result captions as the window shows them.
#include <array>
#include <string>
#include <vector>

#include "solver/triangle_state.h"

namespace anglewise {

/// Saves the picture box's persistent image as a Windows bitmap.
class PictureSaver {
 public:
  virtual ~PictureSaver() = default;
  /// False when the file could not be written.
  virtual bool savePicture(const std::string& path) = 0;
};

/// The printer dialog in its print-setup form.
class PrintSetupDialog {
 public:
  virtual ~PrintSetupDialog() = default;
  enum class Result { Accepted, Cancelled, Failed };
  virtual Result showPrintSetup(const std::string& title) = 0;
};

/// The print-wait window that shows the figure while the page is made.
class PrintWaitWindow {
 public:
  virtual ~PrintWaitWindow() = default;
  virtual void showWithPicture(const std::string& bitmapPath) = 0;
  virtual void hide() = 0;
};

/// The printer. A fault raises a RuntimeError with its number.
class PrinterPort {
 public:
  virtual ~PrinterPort() = default;
  virtual void setFont(const std::string& name, double points, bool bold) = 0;
  virtual void setFontSize(double points) = 0;
  /// Writes `text` and ends the line; each carriage return starts a new line.
  virtual void printText(const std::string& text) = 0;
  /// Draws the bitmap at its natural size, in twips from the printable origin.
  virtual void drawPicture(const std::string& bitmapPath, double leftTwips, double topTwips) = 0;
  virtual void endDoc() = 0;
};

/// What printing reports back to the user.
class PrintFeedback {
 public:
  virtual ~PrintFeedback() = default;
  virtual void showPrintError(const std::string& text) = 0;
  virtual void printBeep() = 0;
};

struct PrintDevices {
  PictureSaver& picture;
  PrintSetupDialog& dialog;
  PrintWaitWindow& wait;
  PrinterPort& printer;
};

/// One value line of the page: its fixed label ("  X =") and the caption of
/// its result label as the window shows it.
struct PrintedValue {
  std::string label;
  std::string caption;
};
/// The value lines in the order of the page.
using PrintedValues = std::vector<PrintedValue>;

inline constexpr char kBitmapName[] = "pic.bmp";

/// Save the figure, ask for the printer, print unless cancelled.
void FilePrint(TriangleState& state, PrintDevices& devices, PrintFeedback& feedback,
               const PrintedValues& values);

/// The title text: three line breaks, the title, nine line breaks.
std::string printedTitle();
/// The value text: six line breaks, then the labelled values.
std::string printedValues(const PrintedValues& values);

}  // namespace anglewise
