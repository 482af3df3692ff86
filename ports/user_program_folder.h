#pragma once
// Where the program keeps its files. A build run from its own folder keeps
// them there, beside the program. An installed program's folder belongs to
// the package manager (and most users cannot write it), so each user gets
// a folder of their own under the XDG data home that stands in for it:
// their own pic.bmp, and a link to the installed help file.
#include <string>

namespace anglewise {

/// The user's data home: $XDG_DATA_HOME when it is an absolute path, else
/// $HOME/.local/share; "" when neither is known.
std::string userDataHome();

/// True for a folder that the package manager owns (under /usr/), or one
/// this user cannot write.
bool isSystemFolder(const std::string& folder);

/// The program folder for a program installed in `applicationFolder`: that
/// folder itself when it is the user's own; otherwise `dataHome`/anglewise/,
/// made if missing, with the help file linked into it. Falls back to
/// `applicationFolder` when the user's folder cannot be made. Both end with
/// "/".
std::string chooseProgramFolder(const std::string& applicationFolder, const std::string& dataHome);

}  // namespace anglewise
