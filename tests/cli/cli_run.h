#pragma once
// The real anglewise-cli run through the shell as a user runs it: its exit
// status and what it wrote to standard output and standard error.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/fakes/temp_folder.h"

namespace anglewise {

struct CliRun {
  int status;
  std::string out, err;
};

inline std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

/// Standard error without the report LeakSanitizer appends under the
/// sanitizer build when a known leak of a library was suppressed.
inline std::string withoutLeakReport(std::string err) {
  size_t report =
      err.find("-----------------------------------------------------\nSuppressions used:");
  return report == std::string::npos ? err : err.substr(0, report);
}

/// Runs `anglewise-cli ARGS` through the shell, so ARGS may redirect; with
/// `stdoutTo`, standard output goes there and `out` stays empty. `before`
/// runs first in the same shell, such as a `ulimit -f 8` that the program
/// then runs under.
inline CliRun cli(const std::string& args, const std::string& stdoutTo = "",
                  const std::string& before = "") {
  TempFolder folder;
  const std::filesystem::path& dir = folder.path();
  std::string out = stdoutTo.empty() ? (dir / "out").string() : stdoutTo;
  std::string command = (before.empty() ? "" : before + "; ") + ANGLEWISE_CLI + " " + args + " >" +
                        out + " 2>" + (dir / "err").string() + " </dev/null";
  int raw = std::system(command.c_str());
  return CliRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, stdoutTo.empty() ? slurp(out) : "",
                withoutLeakReport(slurp(dir / "err"))};
}

/// Runs a shell `script` (pipes, limits, several commands) in which $CLI is
/// the real anglewise-cli; its status is the script's, its output and
/// errors what the whole script wrote.
inline CliRun shell(const std::string& script) {
  TempFolder folder;
  const std::filesystem::path& dir = folder.path();
  std::string command = "CLI='" + std::string(ANGLEWISE_CLI) + "'; { " + script + "\n} >" +
                        (dir / "out").string() + " 2>" + (dir / "err").string() + " </dev/null";
  int raw = std::system(command.c_str());
  return CliRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir / "out"),
                withoutLeakReport(slurp(dir / "err"))};
}

/// Whether this test runs under AddressSanitizer, which cannot start under
/// a limit on virtual memory.
inline constexpr bool kAddressSanitizer =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif

}  // namespace anglewise
