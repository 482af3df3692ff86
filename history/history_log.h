#pragma once
// The history file: one entry a line, appended as each entry happens and
// flushed to the disk, under a lock, so two windows open at once keep
// every record whole, and killing the program (or the power) loses at most
// the entry being written. A torn last record is left out with a note; a
// file that cannot be read is moved aside and named, and a fresh history
// starts: the program always starts.
#include <string>
#include <vector>

#include "history/history_entry.h"

namespace anglewise {

struct LoadedHistory {
  std::vector<HistoryEntry> entries;
  std::string note;  ///< "" or one sentence about what was left out or moved aside
};

class HistoryLog {
 public:
  explicit HistoryLog(std::string path) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  /// Every whole entry in the file, in order; a torn last record is cut
  /// off and an unreadable file moved aside (see above).
  LoadedHistory load();
  /// The same without changing the file: what a reader such as the command
  /// line sees; an unreadable file gives no entries and says why.
  LoadedHistory read() const;
  /// Adds one entry at the end; "" or the system's reason.
  std::string append(const HistoryEntry& entry);
  /// The file anew with just `entries` (after a deletion), whole or not at all.
  std::string rewrite(const std::vector<HistoryEntry>& entries);

 private:
  std::string moveAside(const std::string& why);
  std::string path_;
};

/// The user's history file: $XDG_DATA_HOME/anglewise/history.jsonl.
std::string defaultHistoryPath();

}  // namespace anglewise
