// anglewise-cli: the calculator without a screen. `script` plays window
// scripts (one JSON session a line), `solve` solves one triangle.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/script_player.h"

namespace anglewise {
namespace {

int fail(const std::string& sentence, int status) {
  std::cerr << "anglewise-cli: " << sentence << '\n';
  return status;
}

std::string reason() {
  return std::strerror(errno);
}

// What was written to standard output must have reached it.
int flushed(int status) {
  std::cout.flush();
  if (!std::cout) return fail("could not write the output: " + reason() + ".", kExitInputOutput);
  return status;
}

int runScript(const std::string& file) {
  if (file.empty() || file == "-") {
    int status = playScript(std::cin, std::cout);
    if (std::cin.bad())
      return fail("could not read standard input: " + reason() + ".", kExitInputOutput);
    return flushed(status);
  }
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored)) {
    return fail(file + " is a folder: give a file of sessions, one JSON object a line.",
                kExitInputOutput);
  }
  std::ifstream in(file);
  if (!in) return fail("cannot read " + file + ": " + reason() + ".", kExitInputOutput);
  int status = playScript(in, std::cout);
  if (in.bad()) return fail("could not read " + file + ": " + reason() + ".", kExitInputOutput);
  return flushed(status);
}

}  // namespace
}  // namespace anglewise

int main(int argc, char** argv) {
  using namespace anglewise;
  std::string error;
  std::optional<Invocation> invocation = parseCommandLine(argc, argv, error);
  if (!invocation) return fail(error, kExitUsage);
  switch (invocation->command) {
    case Invocation::Command::Help:
      std::cout << invocation->helpText;
      return flushed(kExitOk);
    case Invocation::Command::Script:
      return runScript(invocation->scriptFile);
    case Invocation::Command::Solve:
      return flushed(runSolve(invocation->solve, std::cout, std::cerr));
    case Invocation::Command::None:
      break;
  }
  return kExitUsage;
}
