#include "cli/script_player.h"

#include "cli/json_writer.h"
#include "cli/scripted_window.h"

namespace anglewise {

using json = nlohmann::json;

namespace {

std::string errorAnswer(const std::string& idJson, const std::string& why) {
  std::string out;
  JsonWriter writer(out);
  writer.beginObject().key("id").raw(idJson).key("error").value(why).endObject();
  return out;
}

}  // namespace

std::string answerLine(const std::string& line, bool& played) {
  played = false;
  json session = json::parse(line, nullptr, false);
  if (session.is_discarded()) return errorAnswer("null", "the line is not valid JSON");
  bool isObject = session.is_object();
  std::string idJson = isObject && session.contains("id")
                           ? session["id"].dump(-1, ' ', false, json::error_handler_t::replace)
                           : "null";
  if (!isObject || !session.contains("actions") || !session["actions"].is_array()) {
    return errorAnswer(idJson, "a session is an object with an \"actions\" array");
  }
  try {
    ScriptedWindow scripted;
    for (const json& action : session["actions"]) scripted.apply(action);
    std::string out;
    out.reserve(8192);
    JsonWriter writer(out);
    writer.beginObject().key("id").raw(idJson);
    scripted.writeAnswer(writer);
    writer.endObject();
    played = true;
    return out;
  } catch (const ScriptError& error) {
    return errorAnswer(idJson, error.what());
  }
}

nlohmann::ordered_json playSession(const std::string& line) {
  bool played = false;
  return nlohmann::ordered_json::parse(answerLine(line, played));
}

int playScript(std::istream& in, std::ostream& out) {
  int status = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    bool played = false;
    out << answerLine(line, played) << '\n';
    if (!played) status = 1;
  }
  return status;
}

}  // namespace anglewise
