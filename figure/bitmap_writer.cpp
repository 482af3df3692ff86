#include "figure/bitmap_writer.h"

#include <cmath>
#include <cstdint>
#include <fstream>

#include "figure/picture_box.h"

namespace anglewise {
namespace {

class Canvas {
 public:
  explicit Canvas(int size) : size_(size), pixels_(static_cast<size_t>(size * size), kWhite) {}
  void plot(double x, double y, Rgb c) {
    long px = std::lround(x / kTwipsPerPixel), py = std::lround(y / kTwipsPerPixel);
    if (px >= 0 && py >= 0 && px < size_ && py < size_)
      pixels_[static_cast<size_t>(py * size_ + px)] = c;
  }
  void line(const FigureOp& op) {
    double length = std::hypot(op.x2 - op.x1, op.y2 - op.y1) / kTwipsPerPixel;
    int steps = std::max(1, static_cast<int>(std::min(length, 1e5)));
    for (int i = 0; i <= steps; ++i) {
      double t = static_cast<double>(i) / steps;
      plot(op.x1 + (op.x2 - op.x1) * t, op.y1 + (op.y2 - op.y1) * t, op.colour);
    }
  }
  void arc(const FigureOp& op) {
    double span = op.end - op.start;
    while (span <= 0) span += kFullTurn;
    for (int i = 0; i <= 200; ++i) {
      double a = op.start + span * i / 200;
      plot(op.cx + op.radius * std::cos(a), op.cy - op.radius * std::sin(a), op.colour);
    }
  }
  void fill(const FigureOp& op) {
    for (int py = 0; py < size_; ++py) {
      for (int px = 0; px < size_; ++px) {
        double x = px * kTwipsPerPixel, y = py * kTwipsPerPixel;
        if (x >= std::fmin(op.x1, op.x2) && x <= std::fmax(op.x1, op.x2) &&
            y >= std::fmin(op.y1, op.y2) && y <= std::fmax(op.y1, op.y2)) {
          pixels_[static_cast<size_t>(py * size_ + px)] = op.colour;
        }
      }
    }
  }
  bool save(const std::string& path) const {
    const uint32_t rowBytes = (static_cast<uint32_t>(size_) * 3 + 3) & ~3u;
    const uint32_t dataBytes = rowBytes * static_cast<uint32_t>(size_);
    std::ofstream out(path, std::ios::binary);
    auto u16 = [&out](uint16_t v) {
      out.put(static_cast<char>(v & 0xff)).put(static_cast<char>(v >> 8));
    };
    auto u32 = [&u16](uint32_t v) { u16(v & 0xffff), u16(static_cast<uint16_t>(v >> 16)); };
    out.write("BM", 2);
    u32(54 + dataBytes), u32(0), u32(54);
    u32(40), u32(static_cast<uint32_t>(size_)), u32(static_cast<uint32_t>(size_));
    u16(1), u16(24), u32(0), u32(dataBytes), u32(3780), u32(3780), u32(0), u32(0);
    std::string row(rowBytes, '\0');
    for (int py = size_ - 1; py >= 0; --py) {  // bottom-up rows
      for (int px = 0; px < size_; ++px) {
        Rgb c = pixels_[static_cast<size_t>(py * size_ + px)];
        row[static_cast<size_t>(px * 3)] = static_cast<char>(c.b);
        row[static_cast<size_t>(px * 3 + 1)] = static_cast<char>(c.g);
        row[static_cast<size_t>(px * 3 + 2)] = static_cast<char>(c.r);
      }
      out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
    return static_cast<bool>(out);
  }

 private:
  int size_;
  std::vector<Rgb> pixels_;
};

}  // namespace

bool writeFigureBitmap(const std::string& path, const std::vector<FigureOp>& ops, float scale) {
  Canvas canvas(static_cast<int>(std::lround(scale / kTwipsPerPixel)));
  for (const FigureOp& op : ops) {
    if (op.kind == FigureOp::Kind::Fill) canvas.fill(op);
    if (op.kind == FigureOp::Kind::Line) canvas.line(op);
    if (op.kind == FigureOp::Kind::Arc) canvas.arc(op);
  }
  return canvas.save(path);
}

}  // namespace anglewise
