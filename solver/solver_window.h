#pragma once
// What the two solvers need from the main window. The window model realises
// it; tests use a small fake.
#include <string>
#include <string_view>

namespace anglewise {

/// The five input rows of the window, each a text box with a check box that
/// marks its value as given: sides X, Y, Z and angles A, B.
enum class Given { X = 1, Y, Z, A, B };
inline constexpr Given kGivenRows[] = {Given::X, Given::Y, Given::Z, Given::A, Given::B};

/// The controls and procedures of the main window that the solvers reach.
class SolverWindow {
 public:
  virtual ~SolverWindow() = default;
  /// Whether the check box of `row` is ticked.
  virtual bool ticked(Given row) const = 0;
  /// Ticks the check box of `row`, running its click handler.
  virtual void tick(Given row) = 0;
  /// Whether the text box of angle row A or B holds the empty text.
  virtual bool angleTextEmpty(Given row) const = 0;
  /// The obtuse choice `over90checked`.
  virtual bool obtuseTicked() const = 0;
  virtual void untickObtuse() = 0;
  virtual void setAreaCaption(std::string_view caption) = 0;
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
