#include "drawing/report_rows.h"

#include <utility>

namespace anglewise::drawing {
namespace {

bool startsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

// A row label's element, before the triangle's number.
std::string elementOf(const std::string& label) {
  if (label == "X" || label == "Y" || label == "Z") return "side-" + label;
  for (const char* corner : {"A", "B", "C"}) {
    if (startsWith(label, std::string(corner) + " (")) return std::string("angle-") + corner;
  }
  const std::pair<const char*, const char*> prefixes[] = {{"Height to ", "height-"},
                                                          {"Median to ", "median-"},
                                                          {"Bisector of ", "bisector-"},
                                                          {"Exradius opposite ", "excircle-"}};
  for (const auto& [prefix, id] : prefixes) {
    if (!startsWith(label, prefix) || label.size() != std::string(prefix).size() + 1) continue;
    char name = label.back();
    bool corner = std::string(id) == "bisector-";
    if (corner ? name >= 'A' && name <= 'C' : name >= 'X' && name <= 'Z')
      return id + label.substr(label.size() - 1);
  }
  if (label == "Inradius") return "incircle";
  if (label == "Circumradius") return "circumcircle";
  for (const char* whole : {"Perimeter", "Semiperimeter", "Area", "By sides", "By angles"}) {
    if (label == whole) return "triangle";
  }
  return "";
}

}  // namespace

std::string elementOfRow(const std::string& label, int triangle) {
  std::string element = elementOf(label);
  return element.empty() ? "" : element + "-" + std::to_string(triangle);
}

std::string rowElementOf(const std::string& id) {
  for (const auto& [centre, circle] :
       {std::pair{"incentre-", "incircle-"}, {"circumcentre-", "circumcircle-"}}) {
    if (startsWith(id, centre)) return circle + id.substr(std::string(centre).size());
  }
  return id;
}

std::optional<Overlay> overlayOfElement(const std::string& id) {
  const std::pair<const char*, Overlay> starts[] = {{"height-", Overlay::Heights},
                                                    {"orthocentre-", Overlay::Heights},
                                                    {"median-", Overlay::Medians},
                                                    {"centroid-", Overlay::Medians},
                                                    {"bisector-", Overlay::Bisectors},
                                                    {"incentre-", Overlay::Bisectors},
                                                    {"incircle-", Overlay::Incircle},
                                                    {"circumcircle-", Overlay::Circumcircle},
                                                    {"circumcentre-", Overlay::Circumcircle},
                                                    {"excircle-", Overlay::Excircles},
                                                    {"euler-", Overlay::Euler}};
  for (const auto& [start, overlay] : starts) {
    if (startsWith(id, start)) return overlay;
  }
  return std::nullopt;
}

}  // namespace anglewise::drawing
