#pragma once
// What the figure files and the report page share: the figure's strokes
// drawn on a cairo context, and the reasons a file could not be written.
#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "figure/recording_picture_box.h"

namespace anglewise {

inline constexpr double kTwipsPerPoint = 20;
inline constexpr double kFigureTwips = kPictureScale;  ///< the figure's side

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

/// Draws the strokes (twips, y downward) clipped to the figure's square.
void drawFigure(cairo_t* cr, const std::vector<FigureOp>& ops);

/// "" or cairo's reason the surface failed.
std::string surfaceError(cairo_surface_t* surface);
/// Finishes a surface; "" when all of it reached the file.
std::string finish(cairo_surface_t* surface);
/// "" when `path` can be written, or the system's reason it cannot.
std::string unwritable(const std::string& path);

}  // namespace anglewise
