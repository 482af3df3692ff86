// anglewise-cli: the calculator without a screen. `script` plays window
// scripts (one JSON session a line), `solve` solves one triangle.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include <unistd.h>

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

int runBatchFile(const std::string& file, BatchOptions options) {
  if (file.empty() || file == "-") {
    return flushed(runBatch(std::cin, "standard input", std::cout, std::cerr, options));
  }
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored)) {
    return fail(file + " is a folder: give a CSV file of triangles.", kExitUsage);
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) return fail("cannot read " + file + ": " + reason() + ".", kExitUsage);
  options.progress = ::isatty(STDERR_FILENO) != 0;
  int status = runBatch(in, file, std::cout, std::cerr, options);
  if (options.progress) std::cerr << '\n';
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
    case Invocation::Command::Batch:
      return runBatchFile(invocation->scriptFile, invocation->batch);
    case Invocation::Command::Solve:
      return flushed(runSolve(invocation->solve, std::cout, std::cerr));
    case Invocation::Command::None:
      break;
  }
  return kExitUsage;
}
