#pragma once
// How one painting of the figure looks, whatever it is painted on.
#include <string>

namespace anglewise::drawing {

struct Paint {
  std::string highlight;   ///< the id of the element to highlight, or ""
  bool callout = true;     ///< write the highlighted element's name and value
  bool background = true;  ///< fill the rectangle with the style's background
};

}  // namespace anglewise::drawing
