#pragma once
// The one working record of the main window. Checking, solving, display and
// drawing talk to each other through it; angles are decimal degrees.
#include <cstdint>
#include <string>

namespace anglewise {

/// Sides, angles, results, rounding choice and the flags of one Display.
struct TriangleState {
  double sideX = 0;
  double sideY = 0;
  double sideZ = 0;
  double angleA = 0;
  double angleB = 0;
  double angleC = 0;
  std::string angleADms;
  std::string angleBDms;
  double resultHeight = 0;
  double resultWidth = 0;
  double resultArea = 0;
  std::int32_t decimalPlaces = 0;
  std::int32_t inputError = 0;    ///< 1: a reporter refused the inputs, or Clear ran
  std::int32_t resultsShown = 0;  ///< 1: the boxes hold values written back by a Display
  std::int32_t solveFailed = 0;   ///< 1: the solver produced nothing
  /// 1 from a Display whose solver completed until a later Display reads
  /// new values, a Clear, or a solver's run-time error: the record then
  /// holds a solved triangle, whatever its values.
  std::int32_t triangleSolved = 0;

  // Working values of the figure drawing, recomputed by every drawing.
  double figureMargin = 0;
  double figureWidth = 0;
  double figureHeight = 0;
  std::int32_t figureBoxHeight = 0;
  double figureExtentX = 0;
  double figureExtentY = 0;
  double figureScale = 0;
  double labelX = 0;
  double labelY = 0;
  double slantLabelX = 0;
  double apexX = 0;
  double apexOffset = 0;
  double obliqueHeight = 0;
  double obliqueWidth = 0;
  std::int32_t penGrey = 0;

  std::string programFolder;  ///< the executable's folder, ending with "/"
  std::int32_t printCancelled = 0;

  friend bool operator==(const TriangleState&, const TriangleState&) = default;
};

}  // namespace anglewise
