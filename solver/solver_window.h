#pragma once
// What the two solvers need from the main window. The window model realises
// it; tests use a small fake.
#include <string>

namespace anglewise {

/// The controls and procedures of the main window that the solvers reach.
class SolverWindow {
 public:
  virtual ~SolverWindow() = default;
  /// Whether check box `box` (1 to 5: X, Y, Z, A, B) is ticked.
  virtual bool ticked(int box) const = 0;
  /// Ticks check box `box`, running its click handler.
  virtual void tick(int box) = 0;
  /// Whether angle box `box` (4 or 5) holds the empty text.
  virtual bool angleTextEmpty(int box) const = 0;
  /// The obtuse choice `over90checked`.
  virtual bool obtuseTicked() const = 0;
  virtual void untickObtuse() = 0;
  virtual void setAreaCaption(const std::string& caption) = 0;
  virtual void clrchkboxes() = 0;
  virtual void clearall() = 0;
  virtual void tohigh() = 0;
  virtual void Ztoosmall() = 0;
  virtual void negerror() = 0;
  virtual void cantdoit() = 0;
  /// Shows the run-time error box (style 48, title "Error").
  virtual void showRuntimeError(const std::string& text) = 0;
  virtual void beep() = 0;
};

}  // namespace anglewise
