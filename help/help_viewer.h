#pragma once
// frmHelp's loading: the help file "helpanglewise.rtf" from the program
// folder, tried twice, then one message box and an empty help window.
#include <functional>
#include <optional>
#include <string>

#include "help/rich_document.h"
#include "ports/ports.h"
#include "ports/program_folder.h"
#include "solver/triangle_state.h"

namespace anglewise {

inline constexpr char kHelpMissingTitle[] = "File not found ";
inline constexpr char kHelpMissingText[] =
    "Invalid Help File !\r\rHelp file should be in the folder Oakdale. ";

/// The help window's rich-text box.
class RichTextBox {
 public:
  virtual ~RichTextBox() = default;
  /// Loads an RTF file by path; false when it cannot be read or is not RTF.
  virtual bool LoadFile(const std::string& path) = 0;
};

struct HelpPorts {
  MessageBoxPort& messages;
  RichTextBox& box;
  /// The folder of the program's executable, as the system reports it.
  std::function<std::string()> applicationFolder;
};

/// Form_Load of frmHelp. May set `programFolder` anew from the system.
void loadHelpWindow(TriangleState& state, HelpPorts& ports);

/// Reads an RTF file into a document; nothing when the file cannot be read,
/// is larger than 16 MiB or is not RTF.
std::optional<RichDocument> readRtfFile(const std::string& path);

}  // namespace anglewise
