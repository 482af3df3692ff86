#pragma once
// The rows of the report's table and the figure's elements they stand for,
// so that choosing one shows the other: "Height to X" of triangle 1 is the
// element "height-X-1", "Circumradius" the circumcircle, "Area" the
// triangle itself.
#include <optional>
#include <string>

#include "drawing/overlays.h"

namespace anglewise::drawing {

/// The id of the element the row labelled `label` stands for in triangle
/// `triangle` (1 or 2), or "" when it stands for none.
std::string elementOfRow(const std::string& label, int triangle);

/// The element whose rows stand for `id`: a centre answers for its circle
/// (the incentre for the incircle, the circumcentre for the circumcircle);
/// every other element for itself.
std::string rowElementOf(const std::string& id);

/// The overlay an element belongs to ("height-X-1" to the heights), or
/// none for a triangle's own parts.
std::optional<Overlay> overlayOfElement(const std::string& id);

}  // namespace anglewise::drawing
