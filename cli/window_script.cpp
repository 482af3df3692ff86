#include "cli/window_script.h"

#include <optional>
#include <variant>

#include "cli/json_writer.h"

namespace anglewise {

using json = nlohmann::json;

namespace {

std::string stringArgument(const json& action, size_t index) {
  if (action.size() <= index || !action[index].is_string()) {
    throw ScriptError("action " + action.dump() + ": argument " + std::to_string(index) +
                      " must be a text");
  }
  return action[index].get<std::string>();
}

void expectSize(const json& action, size_t size) {
  if (action.size() != size) {
    throw ScriptError("action " + action.dump() + " takes " + std::to_string(size - 1) +
                      " argument(s)");
  }
}

// How many arguments each verb takes; none for a verb there is not.
std::optional<size_t> argumentsOf(const std::string& verb) {
  if (verb == "type") return 2;
  if (verb == "click" || verb == "menu") return 1;
  if (verb == "cancel-next-dialog") return 0;
  return std::nullopt;
}

}  // namespace

void applyScriptAction(HeadlessWindow& window, const json& action) {
  if (!action.is_array() || action.empty() || !action[0].is_string()) {
    throw ScriptError("an action must be an array that starts with its name: " + action.dump());
  }
  UserAction user{action[0].get<std::string>(), "", ""};
  std::optional<size_t> arguments = argumentsOf(user.verb);
  if (!arguments) throw ScriptError("unknown action \"" + user.verb + "\"");
  expectSize(action, *arguments + 1);
  if (*arguments >= 1) user.name = stringArgument(action, 1);
  if (*arguments >= 2) user.text = stringArgument(action, 2);
  try {
    window.apply(user);
  } catch (const std::invalid_argument& error) {
    throw ScriptError(error.what());
  }
}

namespace {

void writeRgb(JsonWriter& out, Rgb c) {
  out.key("rgb").beginArray().value(c.r).value(c.g).value(c.b).endArray();
}

void writeFigure(JsonWriter& out, const std::vector<FigureOp>& ops) {
  out.beginArray();
  for (const FigureOp& op : ops) {
    out.beginObject();
    if (op.kind == FigureOp::Kind::Arc) {
      out.key("op").value("arc").key("cx").value(op.cx).key("cy").value(op.cy);
      out.key("r").value(op.radius).key("start").value(op.start).key("end").value(op.end);
    } else {
      out.key("op").value(op.kind == FigureOp::Kind::Fill ? "fill" : "line");
      out.key("x1").value(op.x1).key("y1").value(op.y1);
      out.key("x2").value(op.x2).key("y2").value(op.y2);
    }
    writeRgb(out, op.colour);
    out.endObject();
  }
  out.endArray();
}

// Each control by its kind: a text box's Text, a check box's Value (and
// Enabled where the window switches it), an option's Value, a label's
// Caption, a menu item's Checked.
struct ControlWriter {
  JsonWriter& out;
  const NamedControl& entry;
  void operator()(const TextBox* box) { out.key("Text").value(box->Text()); }
  void operator()(const CheckBox* box) {
    out.key("Value").value(box->Value());
    if (entry.enabling) out.key("Enabled").value(box->Enabled());
  }
  void operator()(const OptionButton* option) { out.key("Value").value(option->Value()); }
  void operator()(const Label* label) { out.key("Caption").value(label->Caption()); }
  void operator()(const MenuItem* item) { out.key("Checked").value(item->Checked()); }
};

void writeControls(JsonWriter& out, const MainWindow& w) {
  out.beginObject();
  for (const NamedControl& entry : w.controls()) {
    out.key(entry.name).beginObject();
    std::visit(ControlWriter{out, entry}, entry.control);
    out.endObject();
  }
  out.endObject();
}

}  // namespace

void writeRecord(JsonWriter& out, const TriangleState& s) {
  out.beginObject();
  out.key("sideX").value(s.sideX).key("sideY").value(s.sideY).key("sideZ").value(s.sideZ);
  out.key("angleA").value(s.angleA).key("angleB").value(s.angleB).key("angleC").value(s.angleC);
  out.key("angleADms").value(s.angleADms).key("angleBDms").value(s.angleBDms);
  out.key("resultHeight").value(s.resultHeight).key("resultWidth").value(s.resultWidth);
  out.key("resultArea").value(s.resultArea).key("decimalPlaces").value(s.decimalPlaces);
  out.key("inputError").value(s.inputError).key("resultsShown").value(s.resultsShown);
  out.key("solveFailed").value(s.solveFailed);
  out.endObject();
}

void writeWindowAnswer(JsonWriter& out, const HeadlessWindow& w) {
  out.key("controls");
  writeControls(out, w.window);
  out.key("messages").beginArray();
  for (const ShownMessage& m : w.messages.shown) {
    out.beginObject().key("title").value(m.title).key("text").value(m.text);
    out.key("style").value(m.style).endObject();
  }
  out.endArray();
  out.key("beeps").value(w.beeper.count);
  out.key("record");
  writeRecord(out, w.window.state);
  out.key("figure");
  writeFigure(out, w.picture.ops());
  out.key("pages").beginArray();
  for (const auto& page : w.printer.pages) {
    out.beginObject().key("lines").beginArray();
    for (const std::string& line : page) out.value(line);
    out.endArray().endObject();
  }
  out.endArray();
  out.key("error").null();
}

}  // namespace anglewise
