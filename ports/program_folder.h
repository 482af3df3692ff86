#pragma once
// The program's folder as the program keeps it: a path with one "/" at its
// end, never two.
#include <string>

namespace anglewise {

/// The help document the program reads from its folder.
inline constexpr char kHelpFileName[] = "helpanglewise.rtf";

/// A folder path ending with exactly one trailing "/" (none added twice).
std::string withTrailingSeparator(std::string folder);

}  // namespace anglewise
