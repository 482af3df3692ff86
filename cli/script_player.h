#pragma once
// Window scripts: one JSON session a line in, one JSON answer a line out.
// Each session plays user actions on a fresh main window with no display
// and answers with the state the window is left in.
#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

namespace anglewise {

/// The deepest nesting of arrays and objects a session may have: its
/// answer echoes parts of it, and writing JSON back recurses.
inline constexpr size_t kMaxSessionDepth = 64;

/// Plays one session line and returns its answer as one line of JSON;
/// `played` is false when the answer is an error, whose text starts with
/// "line N: " when `lineNumber` is given.
std::string answerLine(const std::string& line, bool& played, size_t lineNumber = 0);

/// The answer to one session line as a JSON document.
nlohmann::ordered_json playSession(const std::string& line);

/// The longest session line: far beyond any session of user actions, and
/// small enough that the session read from it stays small. A longer line
/// is answered with an error, and memory does not grow with it.
inline constexpr size_t kMaxSessionBytes = size_t{1} << 20;
/// A line still without end at this length (16 MiB) stops the reading.
inline constexpr size_t kRunawayLineBytes = size_t{1} << 24;

/// Plays every line of `in`, writing one answer a line to `out`. Returns
/// 0 when every session played, 1 when any had an error. When a line has
/// no end within kRunawayLineBytes, reading stops after answering it, and
/// `stopped` (if given) says why.
int playScript(std::istream& in, std::ostream& out, std::string* stopped = nullptr);

}  // namespace anglewise
