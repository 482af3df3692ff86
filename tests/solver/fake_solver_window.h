#pragma once
// A stand-in main window for the solvers: boxes, angle texts and the obtuse
// choice to set up, and a log of what the solver did to it.
#include <string>
#include <vector>

#include "solver/solver_window.h"
#include "solver/triangle_state.h"

namespace anglewise {

class FakeSolverWindow : public SolverWindow {
 public:
  explicit FakeSolverWindow(TriangleState& state) : state_(state) {}

  bool boxes[6] = {};  ///< by row number, X = 1 to B = 5
  std::string text4, text5;
  bool obtuse = false;
  std::vector<std::string> log;  ///< reporters, error boxes, clearall, beep
  std::string areaCaption;

  bool ticked(Given row) const override { return boxes[static_cast<int>(row)]; }
  void tick(Given row) override { boxes[static_cast<int>(row)] = true; }
  bool angleTextEmpty(Given row) const override {
    return (row == Given::A ? text4 : text5).empty();
  }
  bool obtuseTicked() const override { return obtuse; }
  void untickObtuse() override { obtuse = false; }
  void setAreaCaption(std::string_view caption) override { areaCaption = caption; }
  void clrchkboxes() override {
    for (bool& b : boxes) b = false;
  }
  void clearall() override { log.push_back("clearall"); }
  void tohigh() override { report("tohigh"); }
  void Ztoosmall() override { report("Ztoosmall"); }
  void negerror() override { report("negerror"); }
  void cantdoit() override { log.push_back("cantdoit"); }
  void showRuntimeError(const std::string& text) override { log.push_back(text); }
  void beep() override { log.push_back("beep"); }

  /// The ticked boxes as digits, for example "123".
  std::string tickedBoxes() const {
    std::string out;
    for (int box = 1; box <= 5; ++box) {
      if (boxes[box]) out += std::to_string(box);
    }
    return out;
  }

 private:
  void report(const char* name) {
    log.push_back(name);
    state_.inputError = 1;
  }
  TriangleState& state_;
};

}  // namespace anglewise
