#pragma once
// The figure drawn by cairo: on any surface (the window's image, a PNG, a
// PDF page), fitted into a rectangle; the element pointed at highlighted.
#include <cairo.h>

#include <string>

#include "drawing/figure.h"
#include "drawing/paint.h"
#include "drawing/style.h"

namespace anglewise::drawing {

/// Draws `figure` into `into` (in cr's user space), scaled evenly and
/// centred; cr's state is kept.
void paintFigure(cairo_t* cr, const Figure& figure, Rect into, const Style& style,
                 const Paint& paint = {});

/// A legend swatch for `role`: its line, dash and marker, across `into`.
void paintSwatch(cairo_t* cr, Role role, Rect into, const Style& style);

/// The figure as PNG bytes at `pixelRatio` device pixels a figure pixel;
/// "" with the reason in `error` when cairo fails.
std::string figurePng(const Figure& figure, const Style& style = lightStyle(),
                      double pixelRatio = 1, std::string* error = nullptr);

}  // namespace anglewise::drawing
