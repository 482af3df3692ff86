#pragma once
// `anglewise-cli solve`: type, tick, choose and press Display in one line.
#include <map>
#include <ostream>
#include <string>

namespace anglewise {

/// What the user asked for on the command line.
struct SolveRequest {
  bool oblique = false;
  bool obtuse = false;
  bool dms = false;
  int places = 12;
  std::map<char, std::string> values;  ///< 'X', 'Y', 'Z', 'A', 'B' to their text
  std::string svgPath;
};

/// Solves as the window would; results to `out` as on the printed page,
/// messages to `err`. Returns an ExitStatus: ok, not solved, or an
/// input/output failure when the SVG file could not be written.
int runSolve(const SolveRequest& request, std::ostream& out, std::ostream& err);

}  // namespace anglewise
