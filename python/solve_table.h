#pragma once
// solve_frame's engine: batch over a frame's named columns.
#include <pybind11/pybind11.h>

#include <string>
#include <vector>

namespace anglewise {

/// Batch over named columns (numpy arrays or sequences): its own output
/// names and columns, numpy arrays of str. A usage error is a ValueError
/// with batch's sentence.
pybind11::tuple solveTable(const std::vector<std::string>& names, const pybind11::list& columns,
                           bool report, int jobs);

}  // namespace anglewise
