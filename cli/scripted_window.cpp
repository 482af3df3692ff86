#include "cli/scripted_window.h"

#include <algorithm>
#include <iterator>

#include "cli/json_writer.h"

namespace anglewise {

using json = nlohmann::json;

ScriptedWindow::ScriptedWindow() : window({messages, beeper, picture, &devices}) {
  window.state.programFolder = temporaryProgramFolder();
  window.Form_Load();
}

namespace {

// The items the "menu" action may choose; they are not clickable controls.
constexpr std::string_view kScriptMenuItems[] = {"mnuNone", "mnu4places", "mnu8places",
                                                 "mnu12places", "mnuPrintDisplay"};

bool isScriptMenuItem(std::string_view name) {
  return std::find(std::begin(kScriptMenuItems), std::end(kScriptMenuItems), name) !=
         std::end(kScriptMenuItems);
}

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
    if (!isScriptMenuItem(name)) throw ScriptError("no menu item named \"" + name + "\"");
    window.clickCommand(name);
  } else if (verb == "cancel-next-dialog") {
    expectSize(action, 1);
    dialog.cancelNext = true;
  } else {
    throw ScriptError("unknown action \"" + verb + "\"");
  }
}

void ScriptedWindow::click(const std::string& name) {
  if (CheckBox* box = window.findCheckBox(name)) {
    if (box->Enabled()) box->setValue(1 - box->Value());
  } else if (OptionButton* option = window.findOption(name)) {
    option->select();
  } else if (isScriptMenuItem(name) || !window.clickCommand(name)) {
    throw ScriptError("no clickable control named \"" + name + "\"");
  }
}

namespace {

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

void writeControls(JsonWriter& out, MainWindow& w) {
  out.beginObject();
  for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
    out.key(name).beginObject().key("Text").value(w.findTextBox(name)->Text()).endObject();
  }
  for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Check5"}) {
    out.key(name).beginObject().key("Value").value(w.findCheckBox(name)->Value()).endObject();
  }
  out.key("over90checked").beginObject();
  out.key("Value").value(w.over90checked.Value()).key("Enabled").value(w.over90checked.Enabled());
  out.endObject();
  for (const char* name : {"opt90D", "optOBL", "Option1", "Option2"}) {
    out.key(name).beginObject().key("Value").value(w.findOption(name)->Value()).endObject();
  }
  for (const char* name : {"xlen", "yhei", "zrad", "adec", "adms", "bdec", "bdms", "c90dec",
                           "c90dms", "theHeight", "theWidth", "theArea"}) {
    out.key(name).beginObject().key("Caption").value(w.findLabel(name)->Caption()).endObject();
  }
  for (const char* name : {"mnuNone", "mnu4places", "mnu8places", "mnu12places"}) {
    out.key(name).beginObject().key("Checked").value(w.findMenuItem(name)->Checked()).endObject();
  }
  out.endObject();
}

}  // namespace

void ScriptedWindow::writeAnswer(JsonWriter& out) {
  out.key("controls");
  writeControls(out, window);
  out.key("messages").beginArray();
  for (const ShownMessage& m : messages.shown) {
    out.beginObject().key("title").value(m.title).key("text").value(m.text);
    out.key("style").value(m.style).endObject();
  }
  out.endArray();
  out.key("beeps").value(beeper.count);
  out.key("record");
  writeRecord(out, window.state);
  out.key("figure");
  writeFigure(out, picture.ops());
  out.key("pages").beginArray();
  for (const auto& page : printer.pages) {
    out.beginObject().key("lines").beginArray();
    for (const std::string& line : page) out.value(line);
    out.endArray().endObject();
  }
  out.endArray();
  out.key("error").null();
}

}  // namespace anglewise
