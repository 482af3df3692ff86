#pragma once
// Files written whole or not at all. The bytes go to a temporary file in
// the target's own folder; only when every write, the flush to the disk and
// the close have succeeded is it renamed over the target, so a full disk, a
// size limit or a crash leaves the old file exactly as it was and no
// fragment beside it. Figures, report pages, the printed bitmap and any
// later file of the program's own are written through here.
#include <string>
#include <string_view>

namespace anglewise {

/// One file being written whole. A target that is not a regular file (a
/// terminal, /dev/null, /dev/full, a pipe) or that names a descriptor
/// already open (/dev/stdout) cannot be replaced, so it is written in
/// place, every write still checked.
class WholeFile {
 public:
  explicit WholeFile(std::string path);
  /// Removes the temporary file unless commit() succeeded.
  ~WholeFile();
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;

  /// Makes the temporary file; false with error() set.
  bool open();
  /// Appends bytes; false once anything has failed (nothing more is written).
  bool write(std::string_view bytes);
  /// Flushes, syncs, closes and renames over the target; "" when the file
  /// is whole, else the system's reason (the old file is then untouched).
  std::string commit();
  /// The first failure's reason, as the system says it; "" while all is well.
  const std::string& error() const { return error_; }

 private:
  bool flushBuffer();
  void fail(int error);
  void discard();

  std::string path_;       // where the file ends up (a link's target for a link)
  std::string temporary_;  // beside it, while writing; empty in place
  std::string buffer_;
  std::string error_;
  int fd_ = -1;
  bool committed_ = false;
};

/// Writes `bytes` to `path` whole or not at all: "" or the system's reason.
std::string writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace anglewise
