#include "cli/batch_streams.h"

#include <poll.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

bool FdOutput::write(std::string_view block) {
  // Where the block begins, to take a half-written block back from a file.
  struct stat file;
  off_t begin = ::fstat(fd_, &file) == 0 && S_ISREG(file.st_mode) ? ::lseek(fd_, 0, SEEK_CUR) : -1;
  while (!block.empty()) {
    ssize_t wrote = ::write(fd_, block.data(), block.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      error_ = std::strerror(wrote < 0 ? errno : EIO);
      if (begin >= 0 && ::ftruncate(fd_, begin) == 0) ::lseek(fd_, begin, SEEK_SET);
      return false;
    }
    block.remove_prefix(static_cast<size_t>(wrote));
  }
  return true;
}

}  // namespace anglewise
