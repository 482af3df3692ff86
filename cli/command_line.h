#pragma once
// anglewise-cli's command line: its subcommands and options, and a usage
// error said in one sentence that names what was wrong and what is right.
#include <optional>
#include <string>
#include <vector>

#include "cli/batch_command.h"
#include "cli/history_command.h"
#include "cli/solve_command.h"

namespace anglewise {

/// What the command line asked for.
struct Invocation {
  enum class Command { None, Script, Solve, Batch, History, Help } command = Command::None;
  std::string scriptFile;  ///< script and batch: empty or "-" for standard input
  SolveRequest solve;
  BatchOptions batch;
  HistoryOptions history;
  std::string helpText;  ///< with Command::Help: what --help or --version prints
};

/// Reads the arguments; on a usage error returns nothing and sets `error`
/// to one sentence.
std::optional<Invocation> parseCommandLine(int argc, const char* const* argv, std::string& error);

/// The given values ("X=3", "b=30d") into `request`; the sentence of the
/// first one that is not NAME=VALUE, or "" when all are.
std::string readAssignments(const std::vector<std::string>& assignments, SolveRequest& request);

}  // namespace anglewise
