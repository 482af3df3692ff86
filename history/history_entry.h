#pragma once
// One entry of the history: what the user gave the window (the kind, the
// notation, the places, the texts as typed and which boxes were ticked,
// the obtuse box) and what it answered (the twelve results or the
// messages, and whether the report found the shown triangle consistent).
//
// An entry is kept as one window-script session: its `id` holds the facts
// above and its `actions` replay the inputs as a user would, so a history
// file or a triangle file plays in `anglewise-cli script` as it is.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace anglewise {

class MainWindow;

/// One user step, as window scripts name them: "type", "click", "menu".
struct ReplayStep {
  std::string verb, name, text;
  friend bool operator==(const ReplayStep&, const ReplayStep&) = default;
};

struct HistoryEntry {
  std::string time;                   ///< when, UTC, "2026-12-06T17:40:05Z"
  std::string action;                 ///< "display" or "clear"
  std::string kind;                   ///< "right", "oblique" or "" (none chosen)
  std::string notation;               ///< "decimal" or "dms"
  int places = 12;                    ///< 4, 8, 12 or 14
  bool obtuse = false;                ///< the obtuse box ticked
  std::array<std::string, 5> typed;   ///< X, Y, Z, A, B as typed ("" empty)
  std::array<bool, 5> ticked{};       ///< the rows' boxes
  std::vector<std::string> results;   ///< the twelve captions after it, in page order
  std::vector<std::string> messages;  ///< "title: text" of each message box shown
  std::optional<bool> consistent;     ///< the report's verdict; none for Clear
  friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

/// The window's inputs now, as an entry of `action` at `time` (results to
/// be added once the command has run).
HistoryEntry captureInputs(const MainWindow& window, const std::string& action,
                           const std::string& time);
/// The twelve result captions of the window now, in the printed page's order.
std::vector<std::string> resultCaptions(const MainWindow& window);

/// The steps that give the entry's answer again from any window: Clear,
/// then the kind, the notation, the places, each row typed and ticked, the
/// obtuse box, and Display.
std::vector<ReplayStep> replaySteps(const HistoryEntry& entry);
/// Runs one step on the window's model, as the user's click or typing
/// would; false for a step that names nothing the window has.
bool playStep(MainWindow& window, const ReplayStep& step);

/// The entry as one line of JSON (a window-script session), without "\n".
std::string entryLine(const HistoryEntry& entry);
/// An entry from its line; nullopt with `why` set when the line is not one.
std::optional<HistoryEntry> parseEntryLine(const std::string& line, std::string& why);

/// When, which triangle (kind, notation, places), what was given ("X=6 Y=3",
/// "~" for a value typed but not ticked) and the answer, for lists.
std::array<std::string, 4> entryColumns(const HistoryEntry& entry);
/// The columns in one line, for the clipboard and the command line.
std::string entryText(const HistoryEntry& entry);
/// The CSV header and one row per entry, as batch reads its columns.
std::string entriesCsv(const std::vector<HistoryEntry>& entries);

/// Now, as the history writes it.
std::string utcNow();

}  // namespace anglewise
