#include "cli/scripted_window.h"

#include "cli/script_player.h"

namespace anglewise {

using json = nlohmann::ordered_json;

ScriptedWindow::ScriptedWindow() : window({messages, beeper, picture}) { window.Form_Load(); }

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

}  // namespace

void ScriptedWindow::apply(const json& action) {
  if (!action.is_array() || action.empty() || !action[0].is_string()) {
    throw ScriptError("an action must be an array that starts with its name: " + action.dump());
  }
  std::string verb = action[0].get<std::string>();
  if (verb == "type") {
    expectSize(action, 3);
    std::string name = stringArgument(action, 1);
    TextBox* box = window.findTextBox(name);
    if (!box) throw ScriptError("no text box named \"" + name + "\"");
    box->setText(stringArgument(action, 2));
  } else if (verb == "click") {
    expectSize(action, 2);
    click(stringArgument(action, 1));
  } else if (verb == "menu") {
    expectSize(action, 2);
    std::string name = stringArgument(action, 1);
    if (!window.findMenuItem(name)) throw ScriptError("no menu item named \"" + name + "\"");
    window.clickCommand(name);
  } else {
    throw ScriptError("unknown action \"" + verb + "\"");
  }
}

void ScriptedWindow::click(const std::string& name) {
  if (CheckBox* box = window.findCheckBox(name)) {
    if (box->Enabled()) box->setValue(1 - box->Value());
  } else if (OptionButton* option = window.findOption(name)) {
    option->select();
  } else if (window.findMenuItem(name) || !window.clickCommand(name)) {
    throw ScriptError("no clickable control named \"" + name + "\"");
  }
}

namespace {

json recordOf(const TriangleState& s) {
  return {{"sideX", jsonDouble(s.sideX)},
          {"sideY", jsonDouble(s.sideY)},
          {"sideZ", jsonDouble(s.sideZ)},
          {"angleA", jsonDouble(s.angleA)},
          {"angleB", jsonDouble(s.angleB)},
          {"angleC", jsonDouble(s.angleC)},
          {"angleADms", s.angleADms},
          {"angleBDms", s.angleBDms},
          {"resultHeight", jsonDouble(s.resultHeight)},
          {"resultWidth", jsonDouble(s.resultWidth)},
          {"resultArea", jsonDouble(s.resultArea)},
          {"decimalPlaces", s.decimalPlaces},
          {"inputError", s.inputError},
          {"resultsShown", s.resultsShown},
          {"solveFailed", s.solveFailed}};
}

json rgbOf(Rgb c) { return json::array({c.r, c.g, c.b}); }

json figureOf(const std::vector<FigureOp>& ops) {
  json figure = json::array();
  for (const FigureOp& op : ops) {
    if (op.kind == FigureOp::Kind::Arc) {
      figure.push_back({{"op", "arc"},
                        {"cx", jsonSingle(op.cx)},
                        {"cy", jsonSingle(op.cy)},
                        {"r", jsonSingle(op.radius)},
                        {"start", jsonDouble(op.start)},
                        {"end", jsonDouble(op.end)},
                        {"rgb", rgbOf(op.colour)}});
    } else {
      figure.push_back({{"op", op.kind == FigureOp::Kind::Fill ? "fill" : "line"},
                        {"x1", jsonSingle(op.x1)},
                        {"y1", jsonSingle(op.y1)},
                        {"x2", jsonSingle(op.x2)},
                        {"y2", jsonSingle(op.y2)},
                        {"rgb", rgbOf(op.colour)}});
    }
  }
  return figure;
}

}  // namespace

json ScriptedWindow::answer() const {
  MainWindow& w = const_cast<MainWindow&>(window);
  json controls = json::object();
  for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
    controls[name] = {{"Text", w.findTextBox(name)->Text()}};
  }
  for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Check5"}) {
    controls[name] = {{"Value", w.findCheckBox(name)->Value()}};
  }
  controls["over90checked"] = {{"Value", w.over90checked.Value()},
                               {"Enabled", w.over90checked.Enabled()}};
  for (const char* name : {"opt90D", "optOBL", "Option1", "Option2"}) {
    controls[name] = {{"Value", w.findOption(name)->Value()}};
  }
  for (const char* name : {"xlen", "yhei", "zrad", "adec", "adms", "bdec", "bdms", "c90dec",
                           "c90dms", "theHeight", "theWidth", "theArea"}) {
    controls[name] = {{"Caption", w.findLabel(name)->Caption()}};
  }
  for (const char* name : {"mnuNone", "mnu4places", "mnu8places", "mnu12places"}) {
    controls[name] = {{"Checked", w.findMenuItem(name)->Checked()}};
  }
  json shown = json::array();
  for (const ShownMessage& m : messages.shown) {
    shown.push_back({{"title", m.title}, {"text", m.text}, {"style", m.style}});
  }
  return {{"controls", controls},       {"messages", shown},
          {"beeps", beeper.count},      {"record", recordOf(window.state)},
          {"figure", figureOf(picture.ops())}, {"pages", json::array()},
          {"error", nullptr}};
}

}  // namespace anglewise
