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
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

/// Runs `anglewise-cli ARGS` through the shell, so ARGS may redirect; with
/// `stdoutTo`, standard output goes there and `out` stays empty.
inline CliRun cli(const std::string& args, const std::string& stdoutTo = "") {
  TempFolder folder;
  const std::filesystem::path& dir = folder.path();
  std::string out = stdoutTo.empty() ? (dir / "out").string() : stdoutTo;
  std::string command = std::string(ANGLEWISE_CLI) + " " + args + " >" + out + " 2>" +
                        (dir / "err").string() + " </dev/null";
  int raw = std::system(command.c_str());
  return CliRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, stdoutTo.empty() ? slurp(out) : "",
                slurp(dir / "err")};
}

}  // namespace anglewise
