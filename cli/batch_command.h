#pragma once
// `anglewise-cli batch`: rows of a CSV file solved one by one exactly as the
// window solves them, streamed, one output row for every input row
// whatever happens to it.
#include <istream>
#include <ostream>
#include <string>

namespace anglewise {

struct BatchOptions {
  bool jsonl = false;           ///< JSON lines instead of CSV
  bool report = false;          ///< the report's judgement and derived values too
  bool progress = false;        ///< a progress line on stderr
  long progressEvery = 100000;  ///< rows between progress reports
};

/// Reads CSV from `in` (`source` names it in messages), writes one row per
/// input row to `out`. Returns an ExitStatus: ok when every row was solved,
/// not solved when a row was refused or had an error, usage for a header
/// with an unknown column, input/output when reading or writing failed.
int runBatch(std::istream& in, const std::string& source, std::ostream& out, std::ostream& err,
             const BatchOptions& options);

}  // namespace anglewise
