#pragma once
// Reads RTF as common word processors write it into a RichDocument.
#include <optional>
#include <string_view>

#include "help/rich_document.h"

namespace anglewise {

/// The document, or nothing when `rtf` does not start with "{\rtf". Any
/// other malformed input reads as far as it makes sense; unknown control
/// words are ignored and unknown destinations skipped.
std::optional<RichDocument> readRtf(std::string_view rtf);

}  // namespace anglewise
