#pragma once
// Start-up and exit of the main window: the program folder, and the
// window's placement kept in the per-user settings store under application
// "Anglewise", section "Settings", as the text of single-precision twips.
#include <optional>
#include <string>
#include <string_view>

namespace anglewise {

inline constexpr char kSettingsApp[] = "Anglewise";
inline constexpr char kSettingsSection[] = "Settings";

/// The per-user settings store, addressed by application, section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> GetSetting(const std::string& app, const std::string& section,
                                                const std::string& key) = 0;
  virtual void SaveSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

/// The main window's outer placement in twips, and its state.
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

/// A folder path ending with exactly one trailing "/" (none added twice).
std::string withTrailingSeparator(std::string folder);

/// The text of a setting as a single-precision number: blanks around it are
/// allowed, anything else that is not part of the number is not; a number
/// outside the single range does not convert either.
std::optional<float> singleFromText(std::string_view text);

/// A single-precision number as settings text: 7 significant digits, no
/// leading blank ("48", "8400", "-120.5").
std::string singleToText(float value);

/// Reads "MainLeft", "MainTop", "MainWidth", "MainHeight" (defaults 48, 0,
/// 8400, 6372) onto the frame; a value that does not convert is skipped.
void restorePlacement(SettingsStore& store, WindowFrame& frame);

/// Saves the four values unless the window is minimized.
void savePlacement(SettingsStore& store, const WindowFrame& frame);

}  // namespace anglewise
