// anglewise-cli: the calculator without a screen. `script` plays window
// scripts (one JSON session a line), `solve` solves one triangle, `batch`
// a CSV file of them.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <new>

#include "cli/batch_streams.h"
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

// A line without end stops the reading: status 3 once the answers are out.
int scriptEnd(int status, const std::string& source, const std::string& stopped) {
  status = flushed(status);
  if (stopped.empty() || status == kExitInputOutput) return status;
  return fail("could not read " + source + ": " + stopped + ".", kExitInputOutput);
}

int runScript(const std::string& file) {
  std::string stopped;
  if (file.empty() || file == "-") {
    int status = playScript(std::cin, std::cout, &stopped);
    if (std::cin.bad())
      return fail("could not read standard input: " + reason() + ".", kExitInputOutput);
    return scriptEnd(status, "standard input", stopped);
  }
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored)) {
    return fail(file + " is a folder: give a file of sessions, one JSON object a line.",
                kExitInputOutput);
  }
  std::ifstream in(file);
  if (!in) return fail("cannot read " + file + ": " + reason() + ".", kExitInputOutput);
  int status = playScript(in, std::cout, &stopped);
  if (in.bad()) return fail("could not read " + file + ": " + reason() + ".", kExitInputOutput);
  return scriptEnd(status, file, stopped);
}

// Standard input and output as descriptors: rows are answered as they
// come, a signal stops at a row boundary, and a write that fails (a full
// disk, a closed pipe) is said once and ends the batch.
int runBatchFile(const std::string& file, BatchOptions options) {
  int fd = STDIN_FILENO;
  std::string source = "standard input";
  if (!file.empty() && file != "-") {
    std::error_code ignored;
    if (std::filesystem::is_directory(file, ignored)) {
      return fail(file + " is a folder: give a CSV file of triangles.", kExitUsage);
    }
    fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail("cannot read " + file + ": " + reason() + ".", kExitUsage);
    source = file;
    options.progress = ::isatty(STDERR_FILENO) != 0;
  }
  std::signal(SIGPIPE, SIG_IGN);
  int status;
  {
    StopSignals stop;
    FdInput in(fd, &stop);
    FdOutput out(STDOUT_FILENO);
    status = runBatch(in, source, out, std::cerr, options);
  }
  if (options.progress) std::cerr << '\n';
  if (fd != STDIN_FILENO) ::close(fd);
  return status;
}

int run(const Invocation& invocation) {
  switch (invocation.command) {
    case Invocation::Command::Help:
      std::cout << invocation.helpText;
      return flushed(kExitOk);
    case Invocation::Command::Script:
      return runScript(invocation.scriptFile);
    case Invocation::Command::Batch:
      return runBatchFile(invocation.scriptFile, invocation.batch);
    case Invocation::Command::Solve:
      return flushed(runSolve(invocation.solve, std::cout, std::cerr));
    case Invocation::Command::History:
      return flushed(runHistory(invocation.history, std::cout, std::cerr));
    case Invocation::Command::None:
      break;
  }
  return kExitUsage;
}

}  // namespace
}  // namespace anglewise

int main(int argc, char** argv) {
  using namespace anglewise;
  // Past a file size limit a write fails with EFBIG, said like any other
  // failed write, instead of the signal ending the program mid-file.
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    std::string error;
    std::optional<Invocation> invocation = parseCommandLine(argc, argv, error);
    if (!invocation) return fail(error, kExitUsage);
    return run(*invocation);
  } catch (const std::bad_alloc&) {
    return fail("ran out of memory: the input asks for more than this system would give.",
                kExitInputOutput);
  }
}
