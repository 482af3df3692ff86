#pragma once
// The drawing surface of the triangle figure: twips from the top-left corner
// of the inner area, coordinates in single precision, arcs in radians
// running counter-clockwise from start to end.

namespace anglewise {

/// A colour by red, green and blue, 0 to 255 each.
struct Rgb {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};

/// The picture box the figure draws on; its image persists between paints.
class PictureBox {
 public:
  virtual ~PictureBox() = default;
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;
  virtual void line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  virtual void fill(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  virtual void arc(float cx, float cy, float radius, double start, double end, Rgb colour) = 0;
  /// False for a surface that keeps nothing drawn on it (solving where
  /// nobody looks at the figure).
  virtual bool keepsStrokes() const { return true; }
};

/// The inner drawing area of the main window's picture box, in twips.
inline constexpr float kPictureScale = 3072.0f;

/// Twips in a pixel of the classic 96-per-inch screen the design assumes.
inline constexpr double kTwipsPerPixel = 15.0;

/// A full turn in radians, for drawing arcs. (The triangle arithmetic uses
/// its own 15-digit pi; drawing does not.)
inline constexpr double kFullTurn = 6.283185307179586;

}  // namespace anglewise
