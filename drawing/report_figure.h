#pragma once
// The Triangle Report's figure: every true triangle to scale, lettered as
// the window's figure is, the shown one tinted; for two sides and an angle
// opposite one of them, the arc the swinging side describes and where it
// meets the line of the unknown side (or the height it falls short of);
// a needle's inset; and the overlays that are on.
#include <optional>

#include "drawing/figure.h"
#include "drawing/geometry.h"
#include "drawing/overlays.h"
#include "report/triangle_report.h"

namespace anglewise::drawing {

struct FigureOptions {
  OverlaySet overlays;
  double width = 640, height = 480;  ///< pixels
  bool legend = true;                ///< drawn inside the figure (files); the window shows its own
};

/// The role an overlay's lines and centres are drawn in.
Role overlayRole(Overlay overlay);
/// Whether `role` is an overlay's (not a triangle's, the swing's...).
bool isOverlayRole(Role role);

/// Two sides and an angle opposite one of them, as the user gave them.
std::optional<SwingCase> swingCaseOf(const GivenValues& given);
/// The same read from the two triangles of an ambiguous case: the angle and
/// the two sides they share.
std::optional<SwingCase> swingCaseOf(const TriangleReport& report);

/// The figure of `report` for the values it was made from.
Figure drawReportFigure(const TriangleReport& report, const GivenValues& given,
                        const FigureOptions& options);
/// Without the given values: a case with no triangle shows only its note.
Figure drawReportFigure(const TriangleReport& report, OverlaySet overlays);

}  // namespace anglewise::drawing
