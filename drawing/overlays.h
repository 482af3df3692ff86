#pragma once
// The overlays a student switches on over the report's figure: heights,
// medians, angle bisectors, the incircle, the circumcircle, the excircles
// and the Euler line, each with the centre it leads to.
#include <optional>
#include <string>
#include <vector>

namespace anglewise::drawing {

enum class Overlay { Heights, Medians, Bisectors, Incircle, Circumcircle, Excircles, Euler };

inline constexpr Overlay kOverlays[] = {
    Overlay::Heights,      Overlay::Medians,   Overlay::Bisectors, Overlay::Incircle,
    Overlay::Circumcircle, Overlay::Excircles, Overlay::Euler};

/// Which overlays are on.
class OverlaySet {
 public:
  OverlaySet() = default;
  static OverlaySet all();
  bool has(Overlay o) const { return (bits_ >> static_cast<int>(o)) & 1U; }
  OverlaySet& set(Overlay o, bool on = true);
  bool empty() const { return bits_ == 0; }
  friend bool operator==(OverlaySet, OverlaySet) = default;

 private:
  unsigned bits_ = 0;
};

/// The name of an overlay on the command line and in the settings file:
/// "heights", "medians", "bisectors", "incircle", "circumcircle",
/// "excircles", "euler".
std::string overlayKey(Overlay o);
/// What the legend and the check box say: "Heights and orthocentre", ...
std::string overlayCaption(Overlay o);

/// "all", "none" or a comma list of overlay keys (blanks around a key are
/// allowed); nothing, with the reason in one sentence in `error`, when a
/// key is unknown or empty.
std::optional<OverlaySet> parseOverlays(const std::string& list, std::string* error = nullptr);
/// The comma list of the overlays that are on, in the order of kOverlays;
/// "none" when none is.
std::string overlayList(OverlaySet set);

}  // namespace anglewise::drawing
