#pragma once
// What the figure files and the report page share: the figure's strokes
// drawn on a cairo context, and cairo's output written whole or not at all.
#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "figure/recording_picture_box.h"
#include "files/whole_file.h"

namespace anglewise {

inline constexpr double kTwipsPerPoint = 20;
inline constexpr double kFigureTwips = kPictureScale;  ///< the figure's side

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

/// Draws the strokes (twips, y downward) clipped to the figure's square.
void drawFigure(cairo_t* cr, const std::vector<FigureOp>& ops);

/// "" or cairo's reason the surface failed.
std::string surfaceError(cairo_surface_t* surface);
/// cairo's write callback into a WholeFile (`file`): every write is checked
/// here, for cairo does not always pass a failed write on.
cairo_status_t writeToFile(void* file, const unsigned char* data, unsigned int length);
/// Finishes and destroys the surface drawing into `file`, then commits the
/// file: "" when it is whole, else the system's reason (or cairo's).
std::string finishInto(Surface& surface, WholeFile& file);

}  // namespace anglewise
