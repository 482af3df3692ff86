#pragma once
// `anglewise-cli batch`: rows of a CSV file solved one by one exactly as the
// window solves them, streamed, one output row for every input row
// whatever happens to it. Memory stays flat: a cell holds at most
// kBatchCellBound bytes and a row kBatchRowBound, and anything longer is an
// error row of its own.
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace anglewise {

/// The most one cell may hold, far beyond any number or text a box holds.
inline constexpr size_t kBatchCellBound = 4096;
/// The most one row may hold, its line end not counted.
inline constexpr size_t kBatchRowBound = 65536;
/// A row still without end at this length (16 MiB) stops the reading:
/// input without line ends, such as /dev/zero, cannot keep it busy forever.
inline constexpr size_t kBatchRunawayBound = size_t{1} << 24;

struct BatchOptions {
  bool jsonl = false;           ///< JSON lines instead of CSV
  bool report = false;          ///< the report's judgement and derived values too
  bool progress = false;        ///< a progress line on stderr
  long progressEvery = 100000;  ///< rows between progress reports
  int jobs = 0;                 ///< threads that solve rows; 0 for every core
  bool header = true;           ///< a header row of names before the rows (CSV)
  /// Rows of any three measures (see any_rows.h), also chosen by a header
  /// that names measures beyond the window's and no kind.
  bool any = false;
  /// The names of the input's columns, where its rows have no header row.
  std::vector<std::string> columns;
  /// A round's rows for each thread, taken a chunk of up to 64 rows at a
  /// time; tests make rounds small to have many of them.
  size_t rowsPerThread = 2048;
};

/// Where batch reads its rows from.
class BatchInput {
 public:
  virtual ~BatchInput() = default;
  /// Up to `size` bytes as soon as there are some; 0 at the end, on a
  /// failure (error()) or when a signal asked the batch to stop.
  virtual size_t read(char* data, size_t size) = 0;
  /// The system's reason reading failed, or "".
  virtual std::string error() const = 0;
  /// The signal (SIGINT, SIGTERM) that asked the batch to stop, or 0.
  virtual int stopSignal() { return 0; }
};

/// Where batch writes its answers: blocks of whole rows.
class BatchOutput {
 public:
  virtual ~BatchOutput() = default;
  /// Writes one block; false when it could not be written whole.
  virtual bool write(std::string_view block) = 0;
  /// Writes one block given in parts, in their order (the answers of a
  /// round's chunks, which need no joining first where the system can
  /// gather them).
  virtual bool writeParts(std::span<const std::string_view> parts);
  /// The system's reason the last write failed.
  virtual std::string error() const = 0;
};

/// The sentence batch answers a row with, given its cells by column name
/// (kind, X, ..., places), or nothing where the window can be played.
std::optional<std::string> batchRowProblem(
    const std::vector<std::pair<std::string, std::string>>& cells);

/// Reads CSV from `in` (`source` names it in messages), writes one row per
/// input row to `out`. Returns an ExitStatus: ok when every row was solved,
/// not solved when a row was refused or had an error, usage for a header
/// that names an unknown column, a column twice or no kind, or input that
/// cannot be read as CSV; input/output when reading or writing failed
/// (writing stops at the first failure), or 128 and the signal's number
/// when a signal stopped it after the last whole row.
int runBatch(BatchInput& in, const std::string& source, BatchOutput& out, std::ostream& err,
             const BatchOptions& options);

/// The same over streams.
int runBatch(std::istream& in, const std::string& source, std::ostream& out, std::ostream& err,
             const BatchOptions& options);

}  // namespace anglewise
