#pragma once
// What the program's logic needs from the outside world, apart from the
// picture box and the printer: message boxes, the beep, the per-user
// settings store and a window's outer frame.
#include <optional>
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

/// The per-user settings store, addressed by application, section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> GetSetting(const std::string& app, const std::string& section,
                                                const std::string& key) = 0;
  virtual void SaveSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

/// A window's outer placement in twips, and its state.
class WindowFrame {
 public:
  virtual ~WindowFrame() = default;
  virtual float Left() const = 0;
  virtual float Top() const = 0;
  virtual float Width() const = 0;
  virtual float Height() const = 0;
  virtual void setLeft(float twips) = 0;
  virtual void setTop(float twips) = 0;
  virtual void setWidth(float twips) = 0;
  virtual void setHeight(float twips) = 0;
  virtual bool minimized() const = 0;
};

}  // namespace anglewise
