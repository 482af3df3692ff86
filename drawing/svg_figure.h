#pragma once
// The figure as SVG, written from the same data cairo draws: one <g> with
// an id for every triangle, side, angle and overlay element (cairo's own
// SVG output cannot name its groups), with its name as <title> and what it
// shows as <desc>, so other programs can style or pick them.
#include <string>

#include "drawing/figure.h"
#include "drawing/style.h"

namespace anglewise::drawing {

std::string figureSvg(const Figure& figure, const Style& style = lightStyle());

}  // namespace anglewise::drawing
