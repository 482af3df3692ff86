#include "figure/printing.h"

#include "solver/checked_math.h"

namespace anglewise {
namespace {

void getprint(TriangleState& s, PrintSetupDialog& dialog) {
  // A dialog fault other than the cancel is ignored and printing goes on.
  if (dialog.showPrintSetup("Page Setup") == PrintSetupDialog::Result::Cancelled) {
    s.printCancelled = 1;
  }
}

void PrintDisplay(PrinterPort& printer, PrintFeedback& feedback, const std::string& bitmap,
                  const PrintedValues& values) {
  try {
    printer.setFont("Courier New", 16, false);
    printer.printText(printedTitle());
    printer.setFontSize(12);
    printer.printText(printedValues(values));
    printer.printText("");
    printer.printText("");
    printer.drawPicture(bitmap, 2500, 2000);
    printer.endDoc();
  } catch (const RuntimeError& error) {
    feedback.showPrintError(errorFoundText(error.number()));
  }
}

void makepicture(PrintDevices& d, PrintFeedback& feedback, const std::string& bitmap,
                 const PrintedValues& values) {
  d.wait.showWithPicture(bitmap);
  PrintDisplay(d.printer, feedback, bitmap, values);
  d.wait.hide();
  feedback.printBeep();
}

}  // namespace

std::string printedTitle() {
  return std::string(3, '\r') + "                  Anglewise " + std::string(9, '\r');
}

std::string printedValues(const PrintedValues& values) {
  std::string text(6, '\r');
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += '\r';
    text += values[i].label + values[i].caption;
  }
  return text;
}

void FilePrint(TriangleState& s, PrintDevices& d, PrintFeedback& feedback,
               const PrintedValues& values) {
  std::string bitmap = s.programFolder + kBitmapName;
  if (!d.picture.savePicture(bitmap)) {
    // Without the bitmap there is nothing to print; say where it failed.
    feedback.showPrintError(errorFoundText(kErrFileAccess) + "\r\r" + bitmap);
    return;
  }
  getprint(s, d.dialog);
  if (s.printCancelled == 1) {
    s.printCancelled = 0;
    return;
  }
  makepicture(d, feedback, bitmap, values);
}

}  // namespace anglewise
