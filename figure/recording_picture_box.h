#pragma once
// A picture box that remembers what was drawn on it since the last full
// white erase, for tests, the command line and the figure's files.
#include <string>
#include <vector>

#include "figure/picture_box.h"

namespace anglewise {

/// One drawing operation as handed to the picture box.
struct FigureOp {
  enum class Kind { Fill, Line, Arc } kind = Kind::Line;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  ///< corners, or ends of a line
  float cx = 0, cy = 0, radius = 0;      ///< arcs only
  double start = 0, end = 0;             ///< arcs only, radians
  Rgb colour;
};

/// Whether a picture box keeps what is drawn on it.
enum class Strokes { Recorded, Dropped };

/// Records operations; an erase of the whole area starts the list afresh.
/// One that drops its strokes is a surface of the same size that keeps
/// nothing, for solving where nobody looks at the figure.
class RecordingPictureBox : public PictureBox {
 public:
  explicit RecordingPictureBox(float scale = kPictureScale, Strokes strokes = Strokes::Recorded)
      : scale_(scale), records_(strokes == Strokes::Recorded) {}
  float ScaleWidth() const override { return scale_; }
  float ScaleHeight() const override { return scale_; }
  void line(float x1, float y1, float x2, float y2, Rgb colour) override;
  void fill(float x1, float y1, float x2, float y2, Rgb colour) override;
  void arc(float cx, float cy, float radius, double start, double end, Rgb colour) override;
  bool keepsStrokes() const override { return records_; }
  const std::vector<FigureOp>& ops() const { return ops_; }

 private:
  float scale_;
  bool records_;
  std::vector<FigureOp> ops_;
};

}  // namespace anglewise
