#pragma once
// `anglewise-cli history`: the window's history file, or a triangle file,
// listed, exported (CSV or JSON lines) or replayed on a fresh window to
// check that each entry still gets the same answer.
#include <ostream>
#include <string>

namespace anglewise {

struct HistoryOptions {
  enum class Mode { List, Export, Replay };
  Mode mode = Mode::List;
  std::string format = "csv";  ///< for Export: "csv" or "jsonl"
  std::string file;            ///< "" for the user's history file
};

/// Runs the command; the exit status (0, 1 when a replayed entry answered
/// differently, 3 when the file cannot be read).
int runHistory(const HistoryOptions& options, std::ostream& out, std::ostream& err);

}  // namespace anglewise
