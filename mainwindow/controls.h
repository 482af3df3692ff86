#pragma once
// The control kinds of the main window, holding exactly the properties the
// program reads and writes. A control tells its observer (the real widget)
// about every change; a check box also runs its click handler whenever its
// Value changes, whether the user or the code changed it.
#include <functional>
#include <string>
#include <string_view>

namespace anglewise {

/// Something a widget can watch: `observer` runs after each change.
class Observed {
 public:
  std::function<void()> observer;

 protected:
  void notify() const {
    if (observer) observer();
  }
};

// Each control's `Saved` is all of its state that can change; `restore`
// takes such a state back without running any handler (the observer hears
// of it), so a window can return to an earlier state as it was.

class TextBox : public Observed {
 public:
  const std::string& Text() const { return text_; }
  void setText(std::string_view text);
  using Saved = std::string;
  Saved saved() const { return text_; }
  void restore(const Saved& saved) { setText(saved); }

 private:
  std::string text_;
};

class Label : public Observed {
 public:
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string_view caption);
  using Saved = std::string;
  Saved saved() const { return caption_; }
  void restore(const Saved& saved) { setCaption(saved); }

 private:
  std::string caption_;
};

class CheckBox : public Observed {
 public:
  std::function<void()> Click;  ///< runs on every change of Value
  int Value() const { return value_; }
  bool Enabled() const { return enabled_; }
  /// Sets Value (0 or 1); a change notifies and then runs Click.
  void setValue(int value);
  /// The user's click: an enabled box flips, a disabled one does nothing.
  void click();
  void setEnabled(bool enabled);
  struct Saved {
    int value = 0;
    bool enabled = true;
    friend bool operator==(const Saved&, const Saved&) = default;
  };
  Saved saved() const { return {value_, enabled_}; }
  void restore(const Saved& saved);

 private:
  int value_ = 0;
  bool enabled_ = true;
};

class OptionButton : public Observed {
 public:
  std::function<void()> Click;      ///< runs when the button becomes selected
  OptionButton* partner = nullptr;  ///< the other button of its pair
  bool Value() const { return value_; }
  /// Selects this button and unselects its partner; Click runs only when
  /// it was not selected before.
  void select();
  using Saved = bool;
  Saved saved() const { return value_; }
  void restore(Saved saved) { setValue(saved); }

 private:
  void setValue(bool value);
  bool value_ = false;
};

class MenuItem : public Observed {
 public:
  bool Checked() const { return checked_; }
  void setChecked(bool checked);
  using Saved = bool;
  Saved saved() const { return checked_; }
  void restore(Saved saved) { setChecked(saved); }

 private:
  bool checked_ = false;
};

}  // namespace anglewise
