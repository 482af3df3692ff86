#pragma once
// The working of the window's own case: each formula of its solver, in the
// order the solver evaluates them, with the true values of each step.
#include <string>
#include <vector>

#include "report/true_triangle.h"

namespace anglewise {

/// The steps for `given` at `precision` bits; numbers in `digits` form.
std::vector<std::string> windowWorking(const GivenValues& given, mpfr_prec_t precision);

}  // namespace anglewise
