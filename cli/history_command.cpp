#include "cli/history_command.h"

#include <fstream>

#include "cli/exit_status.h"
#include "headless/headless_window.h"
#include "history/history_log.h"
#include "history/triangle_file.h"

namespace anglewise {
namespace {

bool isTriangleFile(const std::string& path) {
  std::ifstream in(path);
  std::string first;
  std::getline(in, first);
  return first.find("\"anglewise\":\"triangles\"") != std::string::npos;
}

// The entries of a triangle file or of a history file, read without
// changing it; "" or why they cannot be read.
std::string readEntries(const std::string& path, std::vector<HistoryEntry>& entries,
                        std::ostream& err) {
  if (isTriangleFile(path)) return openTriangleFile(path, entries);
  LoadedHistory loaded = HistoryLog(path).read();
  if (loaded.entries.empty() && !loaded.note.empty()) return loaded.note;
  if (!loaded.note.empty()) err << "anglewise-cli: " << loaded.note << '\n';
  entries = std::move(loaded.entries);
  return "";
}

std::vector<std::string> shownMessages(const HeadlessWindow& w) {
  std::vector<std::string> said;
  for (const auto& m : w.messages.shown) said.push_back(m.title + ": " + m.text);
  return said;
}

// Each Display entry played on a fresh window as the History window's
// Restore plays it; the answer must be the one kept.
int replay(const std::vector<HistoryEntry>& entries, std::ostream& out) {
  int status = kExitOk;
  for (const HistoryEntry& entry : entries) {
    if (entry.action != "display") continue;
    HeadlessWindow w;
    for (const ReplayStep& step : replaySteps(entry)) playStep(w.window, step);
    bool same = resultCaptions(w.window) == entry.results && shownMessages(w) == entry.messages;
    out << entryText(entry) << (same ? "  [same]" : "  [answers differently now]") << '\n';
    if (!same) status = kExitNotSolved;
  }
  return status;
}

}  // namespace

int runHistory(const HistoryOptions& options, std::ostream& out, std::ostream& err) {
  std::string path = options.file.empty() ? defaultHistoryPath() : options.file;
  std::vector<HistoryEntry> entries;
  if (options.file.empty() && !std::ifstream(path)) {
    err << "anglewise-cli: no history yet (" << path << ").\n";
    return kExitOk;
  }
  if (std::string why = readEntries(path, entries, err); !why.empty()) {
    err << "anglewise-cli: " << why << '\n';
    return kExitInputOutput;
  }
  switch (options.mode) {
    case HistoryOptions::Mode::List:
      for (const HistoryEntry& entry : entries) out << entryText(entry) << '\n';
      return kExitOk;
    case HistoryOptions::Mode::Export:
      if (options.format == "jsonl") {
        for (const HistoryEntry& entry : entries) out << entryLine(entry) << '\n';
      } else {
        out << entriesCsv(entries);
      }
      return kExitOk;
    case HistoryOptions::Mode::Replay:
      return replay(entries, out);
  }
  return kExitOk;
}

}  // namespace anglewise
