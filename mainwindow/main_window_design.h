#pragma once
// The designed layout of the main window: every control with its kind,
// container, position and size in twips, caption, tooltip, font and tab
// order, what a screen reader calls it, and the menu bar. The real window
// is built from these tables.
#include <optional>
#include <string>
#include <vector>

namespace anglewise {

enum class ControlKind {
  Frame,
  PictureBox,
  OptionButton,
  CheckBox,
  TextBox,
  Label,
  CommandButton,
};

enum class TextAlign { Left, Right, Center };

/// A font by name, size in points and weight.
struct FontSpec {
  std::string name;
  double points = 0;
  bool bold = false;
};

/// One control as designed; positions are relative to its container.
struct ControlDesign {
  std::string name;
  ControlKind kind;
  std::string container;  ///< "" for the window's client area
  int left, top, width, height;
  std::string caption;
  std::string tooltip;
  std::optional<FontSpec> font;  ///< none: the window's default font
  TextAlign align = TextAlign::Left;
  bool wordWrap = false;
  int tabIndex = -1;  ///< -1: not reached with Tab
  /// What a screen reader calls the control, and says of it ("" for
  /// none: the toolkit's own, from the caption); a result label's
  /// description is its value, set as it changes.
  std::string accessibleName;
  std::string accessibleDescription;
};

/// One item of the menu bar; a top-level menu has an empty `parent`.
struct MenuDesign {
  std::string name;
  std::string parent;
  std::string caption;  ///< "&" marks the access key, "-" a separator
  bool checked = false;
};

inline constexpr char kMainTitle[] = "Anglewise";
inline constexpr int kMainClientWidth = 8772;
inline constexpr int kMainClientHeight = 6096;
inline constexpr int kStatusBarHeight = 264;

/// Every control of the main window, containers before their contents.
const std::vector<ControlDesign>& mainWindowControls();
/// The menu bar, in display order.
const std::vector<MenuDesign>& mainWindowMenus();
/// The design of one control by name, or nullptr.
const ControlDesign* findControlDesign(const std::string& name);

}  // namespace anglewise
