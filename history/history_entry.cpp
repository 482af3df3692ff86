#include "history/history_entry.h"

#include <ctime>
#include <nlohmann/json.hpp>

#include "mainwindow/main_window.h"

namespace anglewise {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kRows[] = {"X", "Y", "Z", "A", "B"};

const char* placesMenuItem(int places) {
  switch (places) {
    case 4:
      return "mnu4places";
    case 8:
      return "mnu8places";
    case 14:
      return "mnuNone";
    default:
      return "mnu12places";
  }
}

// A CSV cell, quoted where it must be.
std::string cell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

std::string utcNow() {
  std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

HistoryEntry captureInputs(const MainWindow& window, const std::string& action,
                           const std::string& time) {
  HistoryEntry entry;
  entry.time = time;
  entry.action = action;
  entry.kind = window.opt90D.Value() ? "right" : window.optOBL.Value() ? "oblique" : "";
  entry.notation = window.Option2.Value() ? "dms" : "decimal";
  entry.places = window.state.decimalPlaces;
  entry.obtuse = window.over90checked.Value() == 1;
  for (Given row : kGivenRows) {
    int i = static_cast<int>(row) - 1;
    entry.typed[i] = (window.*kRowTexts[i]).Text();
    entry.ticked[i] = window.ticked(row);
  }
  return entry;
}

std::vector<std::string> resultCaptions(const MainWindow& window) {
  std::vector<std::string> captions;
  for (const PrintedValue& line : window.printedValues()) captions.push_back(line.caption);
  return captions;
}

std::vector<ReplayStep> replaySteps(const HistoryEntry& entry) {
  std::vector<ReplayStep> steps = {{"click", "Clearthebaord", ""}};
  if (entry.action != "display") return steps;
  if (!entry.kind.empty())
    steps.push_back({"click", entry.kind == "right" ? "opt90D" : "optOBL", ""});
  steps.push_back({"click", entry.notation == "dms" ? "Option2" : "Option1", ""});
  steps.push_back({"menu", placesMenuItem(entry.places), ""});
  for (int i = 0; i < 5; ++i) {
    std::string n = std::to_string(i + 1);
    if (!entry.typed[i].empty()) steps.push_back({"type", "Text" + n, entry.typed[i]});
    if (entry.ticked[i]) steps.push_back({"click", "Check" + n, ""});
  }
  if (entry.obtuse) steps.push_back({"click", "over90checked", ""});
  steps.push_back({"click", "displaynow", ""});
  return steps;
}

bool playStep(MainWindow& window, const ReplayStep& step) {
  if (step.verb == "type") {
    TextBox* box = window.find<TextBox>(step.name);
    if (box) box->setText(step.text);
    return box != nullptr;
  }
  if (step.verb == "click") {
    if (CheckBox* box = window.find<CheckBox>(step.name)) return box->click(), true;
    if (OptionButton* option = window.find<OptionButton>(step.name)) return option->select(), true;
  }
  if (step.verb == "click" || step.verb == "menu") return window.clickCommand(step.name);
  return false;
}

std::string entryLine(const HistoryEntry& e) {
  Json typed = Json::object();
  Json ticked = Json::array();
  for (int i = 0; i < 5; ++i) {
    if (!e.typed[i].empty()) typed[kRows[i]] = e.typed[i];
    if (e.ticked[i]) ticked.push_back(kRows[i]);
  }
  Json id = {{"anglewise", "entry"}, {"version", 1},         {"time", e.time},
             {"action", e.action},   {"kind", e.kind},       {"notation", e.notation},
             {"places", e.places},   {"obtuse", e.obtuse},   {"typed", typed},
             {"ticked", ticked},     {"results", e.results}, {"messages", e.messages}};
  id["consistent"] = e.consistent ? Json(*e.consistent) : Json(nullptr);
  Json actions = Json::array();
  for (const ReplayStep& step : replaySteps(e)) {
    Json one = {step.verb, step.name};
    if (step.verb == "type") one.push_back(step.text);
    actions.push_back(one);
  }
  return Json{{"id", id}, {"actions", actions}}.dump(-1, ' ', false,
                                                     Json::error_handler_t::replace);
}

std::optional<HistoryEntry> parseEntryLine(const std::string& line, std::string& why) {
  Json json = Json::parse(line, nullptr, false);
  if (json.is_discarded() || !json.is_object() || !json.contains("id")) {
    why = "not a complete entry";
    return std::nullopt;
  }
  const Json& id = json["id"];
  if (!id.is_object() || id.value("anglewise", "") != "entry") {
    why = "not an entry of the history";
    return std::nullopt;
  }
  if (id.value("version", 0) > 1) {
    why = "written by a newer Anglewise";
    return std::nullopt;
  }
  try {
    HistoryEntry e;
    e.time = id.at("time").get<std::string>();
    e.action = id.at("action").get<std::string>();
    e.kind = id.value("kind", "");
    e.notation = id.value("notation", "decimal");
    e.places = id.value("places", 12);
    e.obtuse = id.value("obtuse", false);
    for (int i = 0; i < 5; ++i) {
      if (id.contains("typed") && id["typed"].contains(kRows[i]))
        e.typed[i] = id["typed"][kRows[i]].get<std::string>();
    }
    for (const Json& row : id.value("ticked", Json::array())) {
      for (int i = 0; i < 5; ++i) e.ticked[i] = e.ticked[i] || row == kRows[i];
    }
    e.results = id.value("results", std::vector<std::string>{});
    e.messages = id.value("messages", std::vector<std::string>{});
    if (id.contains("consistent") && id["consistent"].is_boolean())
      e.consistent = id["consistent"].get<bool>();
    return e;
  } catch (const Json::exception&) {
    why = "an entry with a value of the wrong kind";
    return std::nullopt;
  }
}

std::array<std::string, 4> entryColumns(const HistoryEntry& e) {
  std::string time = e.time;
  if (time.size() >= 19) time = time.substr(0, 10) + " " + time.substr(11, 8);
  if (e.action == "clear") return {time, "Clear", "", ""};
  std::string what = (e.kind.empty() ? std::string("no kind") : e.kind) + ", " +
                     (e.notation == "dms" ? "D/M/S" : "decimal") + ", " + std::to_string(e.places) +
                     " places" + (e.obtuse ? ", obtuse" : "");
  std::string given;
  for (int i = 0; i < 5; ++i) {
    if (e.typed[i].empty() && !e.ticked[i]) continue;
    given +=
        std::string(given.empty() ? "" : " ") + kRows[i] + (e.ticked[i] ? "=" : "~") + e.typed[i];
  }
  std::string answer;
  if (!e.messages.empty()) {
    answer = e.messages.front();
    answer = answer.substr(0, answer.find('\r'));  // the title and the first line
  } else if (e.results.size() == 12) {
    answer = "X =" + e.results[0] + ", Y =" + e.results[1] + ", Z =" + e.results[2] +
             ", A =" + e.results[3] + ", B =" + e.results[5] + ", Area =" + e.results[11];
  }
  // The verdict first, where a narrow column still shows it.
  if (e.consistent && !*e.consistent) answer = "Does not fit together: " + answer;
  return {time, what, given, answer};
}

std::string entryText(const HistoryEntry& e) {
  std::string text;
  for (const std::string& column : entryColumns(e)) {
    if (!column.empty()) text += (text.empty() ? "" : "  ") + column;
  }
  return text;
}

std::string entriesCsv(const std::vector<HistoryEntry>& entries) {
  static const char* kResultColumns[] = {"xlen",   "yhei",      "zrad",     "adec",
                                         "adms",   "bdec",      "bdms",     "c90dec",
                                         "c90dms", "theHeight", "theWidth", "theArea"};
  std::string out = "time,action,kind,notation,places,obtuse,X,Y,Z,A,B,ticked";
  for (const char* column : kResultColumns) out += std::string(",") + column;
  out += ",messages,consistent\n";
  for (const HistoryEntry& e : entries) {
    std::string ticked;
    for (int i = 0; i < 5; ++i) ticked += e.ticked[i] ? kRows[i] : "";
    out += cell(e.time) + "," + e.action + "," + e.kind + "," + e.notation + "," +
           std::to_string(e.places) + "," + (e.obtuse ? "1" : "0");
    for (const std::string& typed : e.typed) out += "," + cell(typed);
    out += "," + ticked;
    for (size_t i = 0; i < 12; ++i) out += "," + cell(i < e.results.size() ? e.results[i] : "");
    std::string messages;
    for (const std::string& m : e.messages) messages += (messages.empty() ? "" : " | ") + m;
    out += "," + cell(messages) + "," +
           (e.consistent ? (*e.consistent ? "1" : "0") : std::string()) + "\n";
  }
  return out;
}

}  // namespace anglewise
