#pragma once
// `anglewise-cli solve`: type, tick, choose and press Display in one line.
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "drawing/overlays.h"
#include "report/triangle_report.h"

namespace anglewise {

/// What the user asked for on the command line.
struct SolveRequest {
  bool oblique = false;
  bool obtuse = false;
  bool dms = false;
  int places = 12;
  std::map<char, std::string> values;  ///< 'X', 'Y', 'Z', 'A', 'B' to their text
  std::string svgPath;                 ///< the figure as SVG
  std::string pngPath;                 ///< the figure as PNG
  std::string pdfPath;                 ///< the report page as PDF
  bool json = false;                   ///< one JSON object instead of the page's lines
  /// The report's drawing (with these overlays) in --svg and --png in place
  /// of the window's figure; the --pdf page draws them either way.
  std::optional<drawing::OverlaySet> overlays;
  bool report = false;  ///< the Triangle Report after the page's lines (in the JSON object)
  /// Any three of X, Y, Z, A, B, C in `values`, solved by the report alone
  /// (no window): every triangle they make.
  bool given = false;
  /// With `given`: the measures of other kinds (hX, mY, area...) by name.
  std::vector<std::pair<std::string, std::string>> measures;
  /// --points: the three corners as text ("0,0 4,0 1,3").
  std::string points;
};

/// Solves as the window would; results to `out` as on the printed page (or
/// as JSON), messages to `err`, and the report's note to `err` whenever
/// the shown triangle does not fit together. Returns an ExitStatus: ok, not solved, or an
/// input/output failure when a file could not be written (each is written whole or not at
/// all, so the file it would have replaced is kept).
int runSolve(const SolveRequest& request, std::ostream& out, std::ostream& err);

/// The three corners of --points text: "x,y" or "x,y,z" each, separated by
/// blanks; nothing and `problem` set where the text is not that.
std::optional<CornerPoints> readCornerPoints(const std::string& text, std::string& problem);

}  // namespace anglewise
