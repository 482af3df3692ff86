// A batch row outputs the captions and the messages only, so its window
// neither writes the five boxes back after Display nor captions the stale
// height and width, and its figure keeps no strokes and draws no letters.
// Everything that is output must come out the same as on the window that
// does all of that.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "headless/headless_window.h"

namespace anglewise {
namespace {

struct Row {
  bool oblique, dms, obtuse;
  int places;
  std::array<std::string, 5> values;
};

// Solved, refused, impossible, overflowing, D/M/S and decimal rows.
std::vector<Row> rows() {
  std::vector<Row> out = {
      {false, false, false, 12, {"3", "4", "", "", ""}},
      {true, false, false, 8, {"6", "3", "4", "", ""}},
      {true, false, true, 14, {"10", "6", "", "30", ""}},
      {true, false, false, 4, {"1", "1", "5", "", ""}},
      {false, true, false, 4, {"3", "", "", "30d 15m", ""}},
      {true, false, false, 12, {"1e300", "1e300", "1e300", "", ""}},
      {false, false, false, 12, {"1e-200", "3e-200", "", "", ""}},
      {false, false, false, 12, {"", "", "", "", ""}},
      {true, false, false, 12, {"abc", "4", "5", "", ""}},
  };
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> side(0.5, 500), angle(0.5, 179);
  for (int i = 0; i < 300; ++i) {
    Row r{i % 2 == 1, i % 5 == 0, i % 3 == 0, 4 + 4 * (i % 3) + (i % 7 == 0 ? 2 : 0), {}};
    for (int v = 0; v < 5; ++v) {
      bool given = (random() % 3) != 0;
      if (given)
        r.values[static_cast<size_t>(v)] = std::to_string(v < 3 ? side(random) : angle(random));
    }
    out.push_back(r);
  }
  // Extreme magnitudes and needle angles, where the solvers and the figure
  // stop with run-time errors at different points.
  std::uniform_real_distribution<double> exponent(-320, 308), unit(0, 1);
  auto extreme = [&] {
    char text[40];
    std::snprintf(text, sizeof text, "%.6e",
                  (1 + 9 * unit(random)) * std::pow(10.0, exponent(random)));
    return std::string(text);
  };
  for (int i = 0; i < 400; ++i) {
    Row r{i % 4 != 0, false, i % 3 == 0, 14, {}};
    for (int v = 0; v < 3; ++v) {
      if ((random() % 4) != 0) r.values[static_cast<size_t>(v)] = extreme();
    }
    if (i % 2 == 0) {
      static constexpr const char* kAngles[] = {"1e-300", "1e-12", "90", "179.9999999999", "45"};
      r.values[3] = kAngles[random() % 5];
    }
    out.push_back(r);
  }
  return out;
}

std::vector<std::string> outputOf(HeadlessWindow& w) {
  std::vector<std::string> out;
  for (const NamedControl& entry : w.window.controls()) {
    if (auto* label = std::get_if<Label*>(&entry.control)) out.push_back((*label)->Caption());
  }
  for (const ShownMessage& m : w.messages.shown) out.push_back(m.title + ": " + m.text);
  return out;
}

TEST(UnreadBoxesTest, CaptionsAndMessagesAreTheWindowsOwn) {
  HeadlessWindow writing{Strokes::Recorded}, batch{Strokes::Dropped};
  batch.window.endStateOnly = true;
  for (const Row& r : rows()) {
    WindowInputs in{r.oblique, r.dms, r.obtuse, r.places, {}};
    for (size_t v = 0; v < 5; ++v) in.values[v] = r.values[v];
    writing.restart();
    batch.restart();
    writing.solve(in);
    batch.solve(in);
    EXPECT_EQ(outputOf(batch), outputOf(writing)) << r.values[0] << " " << r.values[1];
    EXPECT_EQ(batch.window.state.triangleSolved, writing.window.state.triangleSolved);
  }
}

}  // namespace
}  // namespace anglewise
