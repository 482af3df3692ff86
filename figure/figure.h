#pragma once
// The triangle figure: side X along the bottom from A (left) to C (right),
// B on top; sides and corners lettered with strokes and arcs. The oblique
// drawing also works out height, width and area for the result labels.
#include <string>
#include <string_view>

#include "figure/picture_box.h"
#include "solver/triangle_state.h"

namespace anglewise {

/// Where the oblique drawing writes its height, width and area captions.
class FigureCaptions {
 public:
  virtual ~FigureCaptions() = default;
  virtual void setHeightCaption(std::string_view caption) = 0;
  virtual void setWidthCaption(std::string_view caption) = 0;
  virtual void setAreaCaption(std::string_view caption) = 0;
};

/// Erases the whole picture in white (margin 0), as a click on it does.
void erasePicture(TriangleState& state, PictureBox& picture);

/// Erases the picture and draws the figure of the chosen kind. A fault in
/// the figure arithmetic escapes as a RuntimeError; what was drawn stays.
void Picture1_Click(TriangleState& state, PictureBox& picture, bool obliqueSelected,
                    FigureCaptions& captions);

/// Draws the right triangle from X and Y (both 0 become 500).
void TriangleDisplay90(TriangleState& state, PictureBox& picture);

/// Shows height, width and area of the oblique triangle, then draws it.
/// Without a drawable triangle (a side or angle not above 0, an angle of
/// 180 or more) it draws nothing and changes nothing.
void TriangleDisplayoblique(TriangleState& state, PictureBox& picture, FigureCaptions& captions);

}  // namespace anglewise
