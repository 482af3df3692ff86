#pragma once
// How each role is drawn: a colour that reads on the background, and a
// dash pattern and marker of its own, so the overlays stay apart for
// readers who cannot tell their colours apart.
#include <array>
#include <vector>

#include "drawing/figure.h"

namespace anglewise::drawing {

/// A colour by red, green and blue, 0 to 255 each.
struct Colour {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

/// The contrast ratio of two colours, from 1 (the same) to 21.
double contrast(Colour a, Colour b);
/// `colour` where it reaches `least` against `background`, else the
/// nearest lighter (on a dark background) or darker colour of its hue.
Colour readableOn(Colour colour, Colour background, double least);

/// The contrast lines and marks need against the background (WCAG 2's
/// non-text contrast); labels and notes take text's 4.5.
inline constexpr double kGraphicContrast = 3.0;
inline constexpr double kTextContrast = 4.5;

struct RoleStyle {
  Colour colour;
  std::vector<double> dash;  ///< on, off, ... in pixels; empty for solid
  double width = 1.5;
  Marker marker = Marker::None;  ///< the mark of its centre or points
};

struct Style {
  Colour background{255, 255, 255};
  Colour foreground{0, 0, 0};
  Colour highlight{0, 120, 215};
  std::array<RoleStyle, kRoleCount> roles;
  const RoleStyle& of(Role role) const { return roles[static_cast<int>(role)]; }
};

/// Black on white: files, printing.
Style lightStyle();
/// For a window's palette: the text colour on the base colour, with the
/// palette's highlight for the element pointed at.
Style styleOn(Colour background, Colour foreground, Colour highlight);

}  // namespace anglewise::drawing
