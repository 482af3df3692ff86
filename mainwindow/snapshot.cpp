// Taking the window's changeable state and putting it back, for a window
// that returns to an earlier state (batch solving starts every row from
// the fresh window this way).
#include <type_traits>

#include "mainwindow/main_window.h"

namespace anglewise {
namespace {

template <typename Control>
using SavedOf = typename std::remove_pointer_t<Control>::Saved;

}  // namespace

WindowSnapshot MainWindow::snapshot() const {
  WindowSnapshot taken;
  for (const NamedControl& entry : controls_) {
    std::visit(
        [&taken](auto* control) {
          auto saved = control->saved();
          if constexpr (std::is_same_v<decltype(saved), std::string>) {
            taken.texts_.push_back(saved);
          } else if constexpr (std::is_same_v<decltype(saved), bool>) {
            taken.flags_.push_back(saved);
          } else {
            taken.boxes_.push_back(saved);
          }
        },
        entry.control);
  }
  taken.state_ = state;
  taken.lastRead_ = lastRead;
  taken.lastRefusal_ = lastRefusal;
  return taken;
}

void MainWindow::restore(const WindowSnapshot& snapshot) {
  size_t text = 0, box = 0, flag = 0;
  for (const NamedControl& entry : controls_) {
    std::visit(
        [&](auto* control) {
          using Saved = SavedOf<decltype(control)>;
          if constexpr (std::is_same_v<Saved, std::string>) {
            control->restore(snapshot.texts_[text++]);
          } else if constexpr (std::is_same_v<Saved, bool>) {
            control->restore(snapshot.flags_[flag++]);
          } else {
            control->restore(snapshot.boxes_[box++]);
          }
        },
        entry.control);
  }
  state = snapshot.state_;
  lastRead = snapshot.lastRead_;
  lastRefusal = snapshot.lastRefusal_;
}

}  // namespace anglewise
