#pragma once
// What anglewise-cli's exit status says, one meaning each.

namespace anglewise {

enum ExitStatus : int {
  kExitOk = 0,
  /// `solve`: nothing was solved; `script`: a session had an error.
  kExitNotSolved = 1,
  /// The command line itself was wrong: a usage error.
  kExitUsage = 2,
  /// A file or stream could not be read or written.
  kExitInputOutput = 3,
};

}  // namespace anglewise
