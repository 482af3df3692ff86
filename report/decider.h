#pragma once
// The decisions of one pass of the report: every rounding and comparison
// answers only where its enclosure (or the exact value) settles it. One that
// cannot marks the pass unsettled and answers a stand-in, and the report is
// made again at a higher precision; only a settled pass is shown.
#include <string>

#include "exact/ball.h"

namespace anglewise {

class Decider {
 public:
  bool settled() const { return settled_; }

  /// The nearest double.
  double nearest(const exact::Ball& value);
  /// 15 significant digits, as %g writes them ("117.279612735978", "1e-116").
  std::string significant(const exact::Ball& value);
  /// The report's text of `value`, which is num / den (for exact ties):
  /// 15 significant digits, or `places` decimals where that is fewer and
  /// still shows the value.
  std::string text(const exact::Ball& value, const exact::Ball& num, const exact::Ball& den,
                   int places);
  std::string text(const exact::Ball& value, int places);
  /// D/M/S to the thousandth of a second ("117d 16m 46s .603").
  std::string dms(const exact::Ball& degrees);
  /// a < b.
  bool below(const exact::Ball& a, const exact::Ball& b);
  /// a == b, where that is decided: exact balls, or apart.
  bool equal(const exact::Ball& a, const exact::Ball& b);
  /// Marks the pass unsettled.
  void unsettle() {
    settled_ = false;
    ++undecided_;
  }
  /// How many decisions the enclosures left open so far.
  int undecided() const { return undecided_; }

 private:
  bool settled_ = true;
  int undecided_ = 0;
};

}  // namespace anglewise
