#include "mainwindow/lifecycle.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace anglewise {

std::optional<float> singleFromText(std::string_view text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  size_t last = text.find_last_not_of(" \t");
  std::string_view number = text.substr(first, last - first + 1);
  if (number.front() == '+') number.remove_prefix(1);
  double value = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec != std::errc() || end != number.data() + number.size()) return std::nullopt;
  if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) return std::nullopt;
  return static_cast<float>(value);
}

std::string singleToText(float value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(value));
  return buf;
}

namespace {

struct PlacementKey {
  const char* key;
  float fallback;
  void (WindowFrame::*set)(float);
  float (WindowFrame::*get)() const;
};

constexpr PlacementKey kKeys[] = {
    {"MainLeft", 48, &WindowFrame::setLeft, &WindowFrame::Left},
    {"MainTop", 0, &WindowFrame::setTop, &WindowFrame::Top},
    {"MainWidth", 8400, &WindowFrame::setWidth, &WindowFrame::Width},
    {"MainHeight", 6372, &WindowFrame::setHeight, &WindowFrame::Height},
};

}  // namespace

void restorePlacement(SettingsStore& store, WindowFrame& frame) {
  for (const PlacementKey& k : kKeys) {
    std::optional<std::string> text = store.GetSetting(kSettingsApp, kSettingsSection, k.key);
    std::optional<float> value = text ? singleFromText(*text) : k.fallback;
    if (value) (frame.*k.set)(*value);
  }
}

void savePlacement(SettingsStore& store, const WindowFrame& frame) {
  if (frame.minimized()) return;
  for (const PlacementKey& k : kKeys) {
    store.SaveSetting(kSettingsApp, kSettingsSection, k.key, singleToText((frame.*k.get)()));
  }
}

}  // namespace anglewise
