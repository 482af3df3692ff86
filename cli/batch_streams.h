#pragma once
// The batch's input and output as file descriptors: input taken as it
// comes, so a row read from a pipe is answered before the next arrives;
// SIGINT and SIGTERM taken as a request to stop at a row boundary; output
// written in whole blocks, and a block that could not be written whole
// taken back from a regular file, so the output never ends in half a row.
#include <signal.h>
#include <sys/uio.h>

#include <span>

#include "cli/batch_command.h"

namespace anglewise {

/// SIGINT and SIGTERM held back while it lives and read from a signal
/// descriptor instead, so that the batch decides where to stop. A signal
/// the program was started ignoring stays ignored.
class StopSignals {
 public:
  StopSignals();
  /// Takes any signal still pending, then lets the signals through again.
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  /// The descriptor that becomes readable when a signal arrives, or -1.
  int fd() const { return fd_; }
  /// The signal that arrived, or 0; never waits.
  int caught();

 private:
  sigset_t held_{};
  sigset_t before_{};
  int fd_ = -1;
  int caught_ = 0;
};

class FdInput : public BatchInput {
 public:
  /// Reads `fd` (not owned); `stop` may be null.
  FdInput(int fd, StopSignals* stop) : fd_(fd), stop_(stop) {}
  size_t read(char* data, size_t size) override;
  std::string error() const override { return error_; }
  int stopSignal() override { return stop_ ? stop_->caught() : 0; }

 private:
  int fd_;
  StopSignals* stop_;
  std::string error_;
};

class FdOutput : public BatchOutput {
 public:
  /// Writes to `fd` (not owned).
  explicit FdOutput(int fd) : fd_(fd) {}
  bool write(std::string_view block) override;
  bool writeParts(std::span<const std::string_view> parts) override;
  std::string error() const override { return error_; }

 private:
  /// Where the next block begins in a regular file, to take a block back
  /// that could not be written whole; -1 elsewhere.
  off_t blockStart() const;
  bool failed(ssize_t wrote, off_t begin);

  int fd_;
  std::string error_;
};

/// The pieces of a gathered write still to go once `written` bytes of
/// them went: those written whole dropped, the one written in part begun
/// past what went.
void skipWritten(std::span<iovec>& pieces, size_t written);

}  // namespace anglewise
