#pragma once
// Triangle files (.anglewise): a set of history entries saved together.
// UTF-8 text, one window-script session a line: the first line names the
// format and its version, each further line is one entry whose actions
// replay it, so `anglewise-cli script FILE` plays a triangle file as it is:
//
//   {"id":{"anglewise":"triangles","version":1},"actions":[]}
//   {"id":{"anglewise":"entry","version":1,"time":...},"actions":[["click","Clearthebaord"],...]}
#include <string>
#include <vector>

#include "history/history_entry.h"

namespace anglewise {

inline constexpr int kTriangleFileVersion = 1;

/// Writes the entries as a triangle file, whole or not at all: "" or the
/// system's reason.
std::string saveTriangleFile(const std::string& path, const std::vector<HistoryEntry>& entries);

/// Reads a triangle file into `entries`; "" or one sentence saying why it
/// cannot be opened (unreadable, of another kind, from a newer version,
/// cut short).
std::string openTriangleFile(const std::string& path, std::vector<HistoryEntry>& entries);

}  // namespace anglewise
