#pragma once
// Start-up and exit of the main window: the program folder, and the
// window's placement kept in the per-user settings store under application
// "Anglewise", section "Settings", as the text of single-precision twips.
#include <optional>
#include <string>
#include <string_view>

#include "ports/ports.h"

namespace anglewise {

inline constexpr char kSettingsApp[] = "Anglewise";
inline constexpr char kSettingsSection[] = "Settings";

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
