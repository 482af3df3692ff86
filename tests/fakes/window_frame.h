#pragma once
// A window frame that only remembers its placement, for every test of the
// code that places windows.
#include "ports/ports.h"

namespace anglewise {

struct RecordingFrame : WindowFrame {
  float left = 1, top = 2, width = 3, height = 4;
  bool isMinimized = false;
  float Left() const override { return left; }
  float Top() const override { return top; }
  float Width() const override { return width; }
  float Height() const override { return height; }
  void setLeft(float v) override { left = v; }
  void setTop(float v) override { top = v; }
  void setWidth(float v) override { width = v; }
  void setHeight(float v) override { height = v; }
  bool minimized() const override { return isMinimized; }
};

}  // namespace anglewise
