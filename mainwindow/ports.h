#pragma once
// What the main window needs from the outside world, apart from the picture
// box: message boxes and the beep.
#include <string>

namespace anglewise {

/// Message box style: exclamation icon, OK button only.
inline constexpr int kStyleExclamation = 48;

/// A modal message box; returns the button pressed (1 for OK).
class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  virtual int show(const std::string& text, int style, const std::string& title) = 0;
};

/// The system's short beep.
class BeepPort {
 public:
  virtual ~BeepPort() = default;
  virtual void beep() = 0;
};

}  // namespace anglewise
