#include "drawing/overlays.h"

namespace anglewise::drawing {
namespace {

constexpr const char* kKeys[] = {"heights",      "medians",   "bisectors", "incircle",
                                 "circumcircle", "excircles", "euler"};
constexpr const char* kCaptions[] = {"Heights and orthocentre",
                                     "Medians and centroid",
                                     "Angle bisectors and incentre",
                                     "Incircle",
                                     "Circumcircle and circumcentre",
                                     "Excircles",
                                     "Euler line"};

std::string trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<Overlay> overlayOfKey(const std::string& key) {
  for (Overlay o : kOverlays) {
    if (key == kKeys[static_cast<int>(o)]) return o;
  }
  return std::nullopt;
}

}  // namespace

OverlaySet OverlaySet::all() {
  OverlaySet set;
  for (Overlay o : kOverlays) set.set(o);
  return set;
}

OverlaySet& OverlaySet::set(Overlay o, bool on) {
  unsigned bit = 1U << static_cast<int>(o);
  bits_ = on ? bits_ | bit : bits_ & ~bit;
  return *this;
}

std::string overlayKey(Overlay o) {
  return kKeys[static_cast<int>(o)];
}

std::string overlayCaption(Overlay o) {
  return kCaptions[static_cast<int>(o)];
}

std::optional<OverlaySet> parseOverlays(const std::string& list, std::string* error) {
  std::string whole = trimmed(list);
  if (whole == "all") return OverlaySet::all();
  if (whole == "none") return OverlaySet();
  OverlaySet set;
  size_t start = 0;
  while (true) {
    size_t comma = whole.find(',', start);
    std::string key = trimmed(whole.substr(start, comma - start));
    std::optional<Overlay> overlay = overlayOfKey(key);
    if (!overlay) {
      if (error) {
        *error = (key.empty() ? std::string("an empty overlay name") : "\"" + key + "\"") +
                 " is not an overlay: give all, none, or a comma list of heights, medians, "
                 "bisectors, incircle, circumcircle, excircles and euler";
      }
      return std::nullopt;
    }
    set.set(*overlay);
    if (comma == std::string::npos) return set;
    start = comma + 1;
  }
}

std::string overlayList(OverlaySet set) {
  std::string out;
  for (Overlay o : kOverlays) {
    if (!set.has(o)) continue;
    if (!out.empty()) out += ",";
    out += overlayKey(o);
  }
  return out.empty() ? "none" : out;
}

}  // namespace anglewise::drawing
