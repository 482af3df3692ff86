#pragma once
// The working of the window's own case: each formula of its solver, in the
// order the solver evaluates them, with the true value of each step.
#include <string>
#include <vector>

#include "report/true_triangle.h"

namespace anglewise {

/// The steps for `given` at the working precision, each value decided.
std::vector<std::string> windowWorking(const GivenValues& given, Decider& decide);

}  // namespace anglewise
