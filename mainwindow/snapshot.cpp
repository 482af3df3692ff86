// Taking the window's changeable state and putting it back, for a window
// that returns to an earlier state (batch solving starts every row from
// the fresh window this way, so restoring is kept to plain loops).
#include "mainwindow/main_window.h"

namespace anglewise {

WindowSnapshot MainWindow::snapshot() const {
  WindowSnapshot taken;
  for (const TextBox* box : textBoxes_) taken.texts_.push_back(box->saved());
  for (const Label* label : resultLabels_) taken.texts_.push_back(label->saved());
  for (const CheckBox* box : checkBoxes_) taken.boxes_.push_back(box->saved());
  for (const OptionButton* button : optionButtons_) taken.flags_.push_back(button->saved());
  for (const MenuItem* item : menuItems_) taken.flags_.push_back(item->saved());
  taken.state_ = state;
  taken.lastRead_ = lastRead;
  taken.lastRefusal_ = lastRefusal;
  return taken;
}

void MainWindow::restore(const WindowSnapshot& snapshot) {
  const std::string* text = snapshot.texts_.data();
  for (TextBox* box : textBoxes_) box->restore(*text++);
  for (Label* label : resultLabels_) label->restore(*text++);
  const CheckBox::Saved* saved = snapshot.boxes_.data();
  for (CheckBox* box : checkBoxes_) box->restore(*saved++);
  size_t flag = 0;
  for (OptionButton* button : optionButtons_) button->restore(snapshot.flags_[flag++]);
  for (MenuItem* item : menuItems_) item->restore(snapshot.flags_[flag++]);
  state = snapshot.state_;
  lastRead = snapshot.lastRead_;
  lastRefusal = snapshot.lastRefusal_;
}

}  // namespace anglewise
