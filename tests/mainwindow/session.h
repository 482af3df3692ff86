#pragma once
// Plays a list of user actions on a fresh headless window, for table tests.
#include <memory>
#include <string>
#include <vector>

#include "headless/headless_window.h"

namespace anglewise {

using Actions = std::vector<UserAction>;

inline std::unique_ptr<HeadlessWindow> play(const Actions& actions) {
  auto w = std::make_unique<HeadlessWindow>();
  for (const auto& action : actions) w->apply(action);
  return w;
}

/// Actions that type `text` into row `row` (1 to 5) and tick its box.
inline Actions given(int row, const std::string& text) {
  std::string n = std::to_string(row);
  return {{"type", "Text" + n, text}, {"click", "Check" + n}};
}

inline Actions operator+(Actions a, const Actions& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

/// The titles of the message boxes shown, in order.
inline std::vector<std::string> titles(const HeadlessWindow& w) {
  std::vector<std::string> out;
  for (const auto& m : w.messages.shown) out.push_back(m.title);
  return out;
}

}  // namespace anglewise
