#include "help/help_viewer.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "help/rtf_reader.h"
#include "ports/program_folder.h"

namespace anglewise {
namespace {

// Only a regular file: opening a FIFO or a device would wait for a writer
// that may never come, with the whole window blocked.
bool isRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool canOpenForReading(const std::string& path) {
  if (!isRegularFile(path)) return false;
  std::ifstream file(path, std::ios::binary);
  return file.is_open();
}

bool attempt(const std::string& folder, RichTextBox& box) {
  std::string path = folder + kHelpFileName;
  return canOpenForReading(path) && box.LoadFile(path);
}

}  // namespace

void loadHelpWindow(TriangleState& s, HelpPorts& ports) {
  if (attempt(s.programFolder, ports.box)) return;
  // The folder may have been wrong or the file put there since: ask the
  // system again where the program lives.
  s.programFolder = withTrailingSeparator(ports.applicationFolder());
  if (attempt(s.programFolder, ports.box)) return;
  ports.messages.show(kHelpMissingText, kStyleExclamation, kHelpMissingTitle);
}

std::optional<RichDocument> readRtfFile(const std::string& path) {
  constexpr std::streamoff kLimit = 16 << 20;
  if (!isRegularFile(path)) return std::nullopt;
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return std::nullopt;
  std::streamoff size = file.tellg();
  if (size < 0 || size > kLimit) return std::nullopt;
  file.seekg(0);
  std::string data(static_cast<size_t>(size), '\0');
  if (!file.read(data.data(), size)) return std::nullopt;
  return readRtf(data);
}

}  // namespace anglewise
