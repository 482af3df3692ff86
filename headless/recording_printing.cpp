#include "headless/recording_printing.h"

#include <cstdlib>
#include <filesystem>

#include "figure/bitmap_writer.h"

namespace anglewise {

bool BitmapPictureSaver::savePicture(const std::string& path) {
  return writeFigureBitmap(path, picture_.ops(), picture_.ScaleWidth());
}

void RecordingPrinter::printText(const std::string& text) {
  size_t start = 0;
  for (;;) {
    size_t cr = text.find('\r', start);
    current_.push_back(text.substr(start, cr == std::string::npos ? cr : cr - start));
    if (cr == std::string::npos) break;
    start = cr + 1;
  }
}

void RecordingPrinter::endDoc() {
  pages.push_back(std::move(current_));
  current_.clear();
}

namespace {

std::string makeTemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "anglewise-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return "/nonexistent/";
  static std::string made = pattern;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(made, ignored);
  });
  return pattern + "/";
}

}  // namespace

const std::string& temporaryProgramFolder() {
  static const std::string folder = makeTemporaryFolder();
  return folder;
}

}  // namespace anglewise
