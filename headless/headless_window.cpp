#include "headless/headless_window.h"

namespace anglewise {
namespace {

const NamedCommand* findCommand(std::string_view name) {
  for (const NamedCommand& command : MainWindow::commands()) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

std::string quoted(std::string_view name) {
  return "\"" + std::string(name) + "\"";
}

}  // namespace

HeadlessWindow::HeadlessWindow(Strokes strokes)
    : picture(kPictureScale, strokes), window({messages, beeper, picture, &devices}) {
  window.state.programFolder = temporaryProgramFolder();
  window.Form_Load();
  fresh_ = window.snapshot();
  freshPicture_ = picture;
}

void HeadlessWindow::restart() {
  window.restore(fresh_);
  messages.shown.clear();
  beeper.count = 0;
  picture = freshPicture_;
  dialog.cancelNext = false;
  printer = RecordingPrinter();
}

void HeadlessWindow::solve(const WindowInputs& inputs) {
  MainWindow& w = window;
  (inputs.oblique ? w.optOBL : w.opt90D).select();
  if (inputs.dms) w.Option2.select();
  for (Given given : kGivenRows) {
    std::string_view text = inputs.values[static_cast<size_t>(given) - 1];
    if (text.empty()) continue;
    w.inputBox(given).setText(text);
    w.checkBox(given).click();
  }
  if (inputs.obtuse) w.over90checked.click();
  w.choosePlaces(inputs.places);
  w.displaynow_Click();
}

void HeadlessWindow::type(std::string_view textBox, const std::string& text) {
  TextBox* box = window.find<TextBox>(textBox);
  if (!box) throw UnknownControl("no text box named " + quoted(textBox));
  box->setText(text);
}

void HeadlessWindow::click(std::string_view name) {
  if (CheckBox* box = window.find<CheckBox>(name)) return box->click();
  if (OptionButton* option = window.find<OptionButton>(name)) return option->select();
  const NamedCommand* command = findCommand(name);
  if (!command || command->menuItem)
    throw UnknownControl("no clickable control named " + quoted(name));
  (window.*command->handler)();
}

void HeadlessWindow::choose(std::string_view menuItem) {
  const NamedCommand* command = findCommand(menuItem);
  if (!command || !command->menuItem)
    throw UnknownControl("no menu item named " + quoted(menuItem));
  (window.*command->handler)();
}

void HeadlessWindow::apply(const UserAction& action) {
  if (action.verb == "type") {
    type(action.name, action.text);
  } else if (action.verb == "click") {
    click(action.name);
  } else if (action.verb == "menu") {
    choose(action.name);
  } else if (action.verb == "cancel-next-dialog") {
    cancelNextDialog();
  } else {
    throw std::invalid_argument("unknown action " + quoted(action.verb));
  }
}

}  // namespace anglewise
