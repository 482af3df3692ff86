#pragma once
// Printing without a screen or a printer: the picture file goes to a
// temporary program folder, the dialog is accepted unless told otherwise,
// and the printer records each page's text lines.
#include <string>
#include <vector>

#include "figure/printing.h"
#include "figure/recording_picture_box.h"

namespace anglewise {

class BitmapPictureSaver : public PictureSaver {
 public:
  explicit BitmapPictureSaver(const RecordingPictureBox& picture) : picture_(picture) {}
  bool savePicture(const std::string& path) override;

 private:
  const RecordingPictureBox& picture_;
};

class ScriptedPrintDialog : public PrintSetupDialog {
 public:
  Result showPrintSetup(const std::string&) override {
    bool cancel = cancelNext;
    cancelNext = false;
    return cancel ? Result::Cancelled : Result::Accepted;
  }
  bool cancelNext = false;
};

class HiddenWaitWindow : public PrintWaitWindow {
 public:
  void showWithPicture(const std::string&) override {}
  void hide() override {}
};

/// Records the text lines of every finished page.
class RecordingPrinter : public PrinterPort {
 public:
  void setFont(const std::string&, double, bool) override {}
  void setFontSize(double) override {}
  void printText(const std::string& text) override;
  void drawPicture(const std::string&, double, double) override {}
  void endDoc() override;
  std::vector<std::vector<std::string>> pages;

 private:
  std::vector<std::string> current_;
};

/// A temporary program folder for the whole process, removed at exit.
const std::string& temporaryProgramFolder();

}  // namespace anglewise
