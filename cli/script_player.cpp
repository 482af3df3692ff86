#include "cli/script_player.h"

#include "cli/json_writer.h"
#include "cli/window_script.h"

#include <algorithm>
#include <vector>

namespace anglewise {

using json = nlohmann::json;

namespace {

std::string errorAnswer(const std::string& idJson, const std::string& why) {
  std::string out;
  JsonWriter writer(out);
  writer.beginObject().key("id").raw(idJson).key("error").value(why).endObject();
  return out;
}

// How deep `root` nests, counted without recursion: writing JSON back
// recurses, so a session too deep for that is refused before anything of
// it is echoed.
size_t nestingDepth(const json& root) {
  size_t deepest = 0;
  std::vector<std::pair<const json*, size_t>> todo{{&root, 1}};
  while (!todo.empty()) {
    auto [node, depth] = todo.back();
    todo.pop_back();
    deepest = std::max(deepest, depth);
    if (node->is_structured()) {
      for (const json& child : *node) todo.emplace_back(&child, depth + 1);
    }
  }
  return deepest;
}

enum class LineRead { Whole, TooLong, RanAway, End };

// One line of `in` without its line end, of which at most
// kMaxSessionBytes are kept: a longer line is read to its end and dropped,
// so no line makes memory grow; one still without end at kRunawayLineBytes
// is given up.
LineRead readLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  size_t length = 0;
  for (;;) {
    int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(length == 0 ? std::ios::eofbit | std::ios::failbit : std::ios::eofbit);
      if (length == 0) return LineRead::End;
      break;
    }
    if (c == '\n') break;
    if (++length <= kMaxSessionBytes) {
      line += static_cast<char>(c);
    } else if (length > kRunawayLineBytes) {
      return LineRead::RanAway;
    }
  }
  return length > kMaxSessionBytes ? LineRead::TooLong : LineRead::Whole;
}

std::string echoedId(const json& session) {
  if (!session.is_object() || !session.contains("id")) return "null";
  const json& id = session["id"];
  if (nestingDepth(id) > kMaxSessionDepth - 1) return "null";
  return id.dump(-1, ' ', false, json::error_handler_t::replace);
}

// Plays a parsed session; throws ScriptError when it cannot be played.
std::string play(const json& session, const std::string& idJson) {
  if (!session.is_object() || !session.contains("actions") || !session["actions"].is_array()) {
    throw ScriptError("a session is an object with an \"actions\" array");
  }
  HeadlessWindow window;
  for (const json& action : session["actions"]) applyScriptAction(window, action);
  std::string out;
  out.reserve(8192);
  JsonWriter writer(out);
  writer.beginObject().key("id").raw(idJson);
  writeWindowAnswer(writer, window);
  writer.endObject();
  return out;
}

}  // namespace

std::string answerLine(const std::string& line, bool& played, size_t lineNumber) {
  played = false;
  std::string where = lineNumber > 0 ? "line " + std::to_string(lineNumber) + ": " : "";
  json session = json::parse(line, nullptr, false);
  if (session.is_discarded()) return errorAnswer("null", where + "the line is not valid JSON");
  std::string idJson = echoedId(session);
  if (nestingDepth(session) > kMaxSessionDepth) {
    return errorAnswer(idJson, where + "the session nests deeper than " +
                                   std::to_string(kMaxSessionDepth) +
                                   " levels of arrays and objects");
  }
  try {
    std::string answer = play(session, idJson);
    played = true;
    return answer;
  } catch (const ScriptError& error) {
    return errorAnswer(idJson, where + error.what());
  }
}

nlohmann::ordered_json playSession(const std::string& line) {
  bool played = false;
  return nlohmann::ordered_json::parse(answerLine(line, played));
}

int playScript(std::istream& in, std::ostream& out, std::string* stopped) {
  int status = 0;
  std::string line;
  for (size_t number = 1;; ++number) {
    LineRead read = readLine(in, line);
    if (read == LineRead::End) break;
    std::string where = "line " + std::to_string(number);
    if (read != LineRead::Whole) {
      out << errorAnswer("null", where + ": the session is longer than " +
                                     std::to_string(kMaxSessionBytes) + " bytes")
          << '\n';
      status = 1;
      if (read == LineRead::RanAway) {
        if (stopped) {
          *stopped = where + " has no end within " + std::to_string(kRunawayLineBytes) + " bytes";
        }
        break;
      }
      continue;
    }
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    bool played = false;
    out << answerLine(line, played, number) << '\n';
    if (!played) status = 1;
    if (!out) break;  // nowhere to write: the caller says so
  }
  return status;
}

}  // namespace anglewise
