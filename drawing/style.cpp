#include "drawing/style.h"

#include <algorithm>
#include <cmath>

namespace anglewise::drawing {
namespace {

double linear(int channel) {
  double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Colour c) {
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// Towards black (k < 0) or white (k > 0) by |k|, keeping the hue.
Colour shade(Colour c, double k) {
  auto channel = [k](int v) {
    double target = k < 0 ? 0 : 255;
    return static_cast<int>(std::lround(v + (target - v) * std::fabs(k)));
  };
  return {channel(c.r), channel(c.g), channel(c.b)};
}

Colour mix(Colour a, Colour b, double k) {
  auto channel = [k](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * k)); };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

}  // namespace

double contrast(Colour a, Colour b) {
  double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour readableOn(Colour colour, Colour background, double least) {
  bool lighten = luminance(background) < 0.18;
  for (int step = 0; step <= 40; ++step) {
    Colour tried = shade(colour, (lighten ? 1 : -1) * step / 40.0);
    if (contrast(tried, background) >= least) return tried;
  }
  return lighten ? Colour{255, 255, 255} : Colour{0, 0, 0};
}

// The Okabe-Ito colours, told apart by most colour-blind readers; each
// overlay also has a dash pattern and a marker no other one has.
Style styleOn(Colour background, Colour foreground, Colour highlight) {
  Style s;
  s.background = background;
  s.foreground = readableOn(foreground, background, kTextContrast);
  s.highlight = highlight;
  auto set = [&](Role role, Colour c, std::vector<double> dash, double width, Marker marker) {
    s.roles[static_cast<int>(role)] = {readableOn(c, background, kGraphicContrast), std::move(dash),
                                       width, marker};
  };
  Colour grey = mix(s.foreground, background, 0.45);
  set(Role::Triangle, s.foreground, {}, 2.0, Marker::Dot);
  set(Role::OtherTriangle, s.foreground, {9, 4}, 2.0, Marker::Dot);
  set(Role::Swing, grey, {5, 3}, 1.5, Marker::Ring);
  set(Role::Shortfall, {213, 94, 0}, {2, 2}, 2.0, Marker::Square);
  set(Role::Height, {213, 94, 0}, {7, 4}, 1.5, Marker::Square);
  set(Role::Median, {0, 114, 178}, {10, 3, 2, 3}, 1.5, Marker::Diamond);
  set(Role::Bisector, {0, 158, 115}, {1.5, 3}, 1.8, Marker::Dot);
  set(Role::Incircle, {204, 121, 167}, {}, 1.5, Marker::Ring);
  set(Role::Circumcircle, {86, 180, 233}, {14, 5}, 1.5, Marker::Cross);
  set(Role::Excircle, {230, 159, 0}, {8, 3, 2, 3, 2, 3}, 1.5, Marker::Triangle);
  set(Role::Euler, {240, 228, 66}, {3, 3}, 2.5, Marker::Plus);
  set(Role::Note, s.foreground, {}, 1.0, Marker::None);
  set(Role::Inset, grey, {}, 1.0, Marker::None);
  return s;
}

Style lightStyle() {
  return styleOn({255, 255, 255}, {0, 0, 0}, {0, 120, 215});
}

}  // namespace anglewise::drawing
