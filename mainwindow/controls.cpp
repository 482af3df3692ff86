#include "mainwindow/controls.h"

namespace anglewise {

void TextBox::setText(std::string_view text) {
  if (text == text_) return;
  text_ = text;
  notify();
}

void Label::setCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  notify();
}

void CheckBox::setValue(int value) {
  if (value == value_) return;
  value_ = value;
  notify();
  if (Click) Click();
}

void CheckBox::click() {
  if (enabled_) setValue(1 - value_);
}

void CheckBox::restore(const Saved& saved) {
  if (saved == this->saved()) return;
  value_ = saved.value;
  enabled_ = saved.enabled;
  notify();
}

void CheckBox::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notify();
}

void OptionButton::setValue(bool value) {
  if (value == value_) return;
  value_ = value;
  notify();
}

void OptionButton::select() {
  bool wasSelected = value_;
  setValue(true);
  if (partner) partner->setValue(false);
  if (!wasSelected && Click) Click();
}

void MenuItem::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  notify();
}

}  // namespace anglewise
