#include "cli/batch_streams.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace anglewise {

StopSignals::StopSignals() {
  sigemptyset(&held_);
  for (int signal : {SIGINT, SIGTERM}) {
    struct sigaction now;
    if (sigaction(signal, nullptr, &now) == 0 && now.sa_handler != SIG_IGN) {
      sigaddset(&held_, signal);
    }
  }
  if (sigprocmask(SIG_BLOCK, &held_, &before_) != 0) return;
  fd_ = signalfd(-1, &held_, SFD_NONBLOCK | SFD_CLOEXEC);
  if (fd_ < 0) sigprocmask(SIG_SETMASK, &before_, nullptr);
}

StopSignals::~StopSignals() {
  if (fd_ < 0) return;
  caught();
  ::close(fd_);
  sigprocmask(SIG_SETMASK, &before_, nullptr);
}

int StopSignals::caught() {
  signalfd_siginfo info;
  while (caught_ == 0 && fd_ >= 0 && ::read(fd_, &info, sizeof info) == sizeof info) {
    caught_ = static_cast<int>(info.ssi_signo);
  }
  return caught_;
}

// Waits for input or a signal, whichever comes first; a signal wins, so
// that even a file that never runs dry stops at once.
size_t FdInput::read(char* data, size_t size) {
  for (;;) {
    if (stopSignal() != 0) return 0;
    pollfd wait[2] = {{fd_, POLLIN, 0}, {stop_ ? stop_->fd() : -1, POLLIN, 0}};
    if (::poll(wait, 2, -1) < 0) {
      if (errno == EINTR) continue;
      error_ = std::strerror(errno);
      return 0;
    }
    if (wait[1].revents != 0) continue;
    ssize_t got = ::read(fd_, data, size);
    if (got >= 0) return static_cast<size_t>(got);
    if (errno == EINTR || errno == EAGAIN) continue;
    error_ = std::strerror(errno);
    return 0;
  }
}

off_t FdOutput::blockStart() const {
  struct stat file;
  if (::fstat(fd_, &file) != 0 || !S_ISREG(file.st_mode)) return -1;
  // Appending (>>), every write goes to the end, wherever the offset is.
  int flags = ::fcntl(fd_, F_GETFL);
  if (flags != -1 && (flags & O_APPEND)) return file.st_size;
  return ::lseek(fd_, 0, SEEK_CUR);
}

bool FdOutput::failed(ssize_t wrote, off_t begin) {
  error_ = std::strerror(wrote < 0 ? errno : EIO);
  if (begin >= 0 && ::ftruncate(fd_, begin) == 0) ::lseek(fd_, begin, SEEK_SET);
  return false;
}

bool FdOutput::write(std::string_view block) {
  off_t begin = blockStart();
  while (!block.empty()) {
    ssize_t wrote = ::write(fd_, block.data(), block.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return failed(wrote, begin);
    block.remove_prefix(static_cast<size_t>(wrote));
  }
  return true;
}

bool FdOutput::writeParts(std::span<const std::string_view> parts) {
  off_t begin = blockStart();
  std::vector<iovec> pieces;
  for (std::string_view part : parts) {
    if (!part.empty()) pieces.push_back({const_cast<char*>(part.data()), part.size()});
  }
  std::span<iovec> left(pieces);
  while (!left.empty()) {
    int count = static_cast<int>(std::min<size_t>(left.size(), IOV_MAX));
    ssize_t wrote = ::writev(fd_, left.data(), count);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return failed(wrote, begin);
    skipWritten(left, static_cast<size_t>(wrote));
  }
  return true;
}

void skipWritten(std::span<iovec>& pieces, size_t written) {
  while (!pieces.empty() && written >= pieces.front().iov_len) {
    written -= pieces.front().iov_len;
    pieces = pieces.subspan(1);
  }
  if (written > 0) {
    pieces.front().iov_base = static_cast<char*>(pieces.front().iov_base) + written;
    pieces.front().iov_len -= written;
  }
}

}  // namespace anglewise
