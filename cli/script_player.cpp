#include "cli/script_player.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "cli/scripted_window.h"

namespace anglewise {

using json = nlohmann::ordered_json;

json jsonDouble(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  bool negativeZero = value == 0 && std::signbit(value);
  if (value == std::trunc(value) && std::fabs(value) < 9.0e15 && !negativeZero) {
    return static_cast<std::int64_t>(value);
  }
  return value;  // the JSON writer prints the shortest round-trip form
}

json jsonSingle(float value) {
  if (!std::isfinite(value)) return jsonDouble(value);
  // The shortest text for the single, read as a double, prints back the same.
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  (void)ec;
  double widened = 0;
  std::from_chars(buf, end, widened);
  return jsonDouble(widened);
}

namespace {

json errorAnswer(const json& id, const std::string& why) { return {{"id", id}, {"error", why}}; }

}  // namespace

json playSession(const std::string& line) {
  json session = json::parse(line, nullptr, false);
  if (session.is_discarded()) return errorAnswer(nullptr, "the line is not valid JSON");
  json id = session.is_object() && session.contains("id") ? session["id"] : json(nullptr);
  if (!session.is_object() || !session.contains("actions") || !session["actions"].is_array()) {
    return errorAnswer(id, "a session is an object with an \"actions\" array");
  }
  try {
    ScriptedWindow scripted;
    for (const json& action : session["actions"]) scripted.apply(action);
    json answer = {{"id", id}};
    answer.update(scripted.answer());
    return answer;
  } catch (const ScriptError& error) {
    return errorAnswer(id, error.what());
  }
}

int playScript(std::istream& in, std::ostream& out) {
  int status = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    json answer = playSession(line);
    if (!answer["error"].is_null()) status = 1;
    out << answer.dump(-1, ' ', false, json::error_handler_t::replace) << '\n';
  }
  return status;
}

}  // namespace anglewise
