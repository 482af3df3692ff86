#pragma once
#include "solver/solver_window.h"
#include "solver/triangle_state.h"

namespace anglewise {

/// Solves the right triangle (C = 90) from two given values. Leaves
/// `solveFailed` at 1 when it produced nothing.
void righttriangle(TriangleState& state, SolverWindow& window);

/// Solves the oblique triangle from three given values, the obtuse choice
/// of the ambiguous case included. Leaves `solveFailed` at 1 on failure.
void obliquetriangle(TriangleState& state, SolverWindow& window);

/// The solvers' single run-time error handler: shows the error box, clears
/// the window and marks the solve failed.
void handleSolverError(const class RuntimeError& error, TriangleState& state, SolverWindow& window);

}  // namespace anglewise
