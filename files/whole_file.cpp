#include "files/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

namespace anglewise {
namespace {

namespace fs = std::filesystem;

constexpr size_t kBufferSize = 1 << 16;
constexpr size_t kLongestName = 200;  // room for the hidden prefix and suffix in NAME_MAX
constexpr int kAttempts = 100;

// Six letters that no other writer, in this process or another, is likely
// to choose at the same moment; O_EXCL settles any clash.
std::string suffix() {
  static std::atomic<unsigned long long> counter{0};
  unsigned long long mix =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (static_cast<unsigned long long>(::getpid()) << 32) ^ (counter++ * 0x9E3779B97F4A7C15ULL);
  mix ^= mix >> 29;
  mix *= 0xBF58476D1CE4E5B9ULL;
  mix ^= mix >> 32;
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::string text(6, ' ');
  for (char& c : text) {
    c = kLetters[mix % (sizeof kLetters - 1)];
    mix /= sizeof kLetters - 1;
  }
  return text;
}

// A link is followed, so that the file it names is replaced, not the link.
std::string followLinks(const std::string& path) {
  struct stat link;
  if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  std::error_code error;
  fs::path target = fs::canonical(path, error);
  return error ? path : target.string();
}

// /dev/stdout, /dev/fd/3, /proc/self/fd/1: a descriptor already open,
// which may lead to a regular file but is not the user's to replace.
bool namesAnOpenFile(std::string_view path) {
  for (std::string_view open : {"/dev/stdout", "/dev/stderr", "/dev/fd/", "/proc/"}) {
    if (path.substr(0, open.size()) == open) return true;
  }
  return false;
}

}  // namespace

WholeFile::WholeFile(std::string path) : path_(std::move(path)) {}

WholeFile::~WholeFile() {
  if (!committed_) discard();
}

void WholeFile::fail(int error) {
  if (error_.empty()) error_ = std::strerror(error);
}

bool WholeFile::open() {
  if (fd_ >= 0 || !error_.empty()) return error_.empty();
  bool inPlace = namesAnOpenFile(path_);
  if (!inPlace) path_ = followLinks(path_);
  struct stat target;
  bool exists = ::stat(path_.c_str(), &target) == 0;
  if (exists && S_ISDIR(target.st_mode)) {
    fail(EISDIR);
    return false;
  }
  if (exists && (inPlace || !S_ISREG(target.st_mode))) {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) fail(errno);
    return fd_ >= 0;
  }
  fs::path where(path_);
  std::string name = where.filename().string().substr(0, kLongestName);
  fs::path folder = where.parent_path();
  for (int attempt = 0; attempt < kAttempts && fd_ < 0; ++attempt) {
    temporary_ = (folder / ("." + name + "." + suffix())).string();
    // A new file gets the user's usual permissions; a replaced one keeps its own.
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    fail(errno);
    temporary_.clear();
    return false;
  }
  if (exists) (void)::fchmod(fd_, target.st_mode & 07777);
  return true;
}

bool WholeFile::write(std::string_view bytes) {
  if (fd_ < 0 || !error_.empty()) return false;
  if (buffer_.size() + bytes.size() > kBufferSize && !flushBuffer()) return false;
  if (bytes.size() >= kBufferSize) {
    buffer_.assign(bytes);
    return flushBuffer();
  }
  buffer_.append(bytes);
  return true;
}

bool WholeFile::flushBuffer() {
  std::string_view rest = buffer_;
  while (!rest.empty()) {
    ssize_t wrote = ::write(fd_, rest.data(), rest.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      fail(wrote < 0 ? errno : EIO);
      return false;
    }
    rest.remove_prefix(static_cast<size_t>(wrote));
  }
  buffer_.clear();
  return true;
}

std::string WholeFile::commit() {
  if (committed_) return "";
  if (fd_ < 0 && error_.empty()) open();
  if (error_.empty() && flushBuffer()) {
    // What the disk could not keep shows up at the latest here; a device
    // written in place may not sync at all, which is no failure.
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) fail(errno);
    int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0 && errno != EINTR) fail(errno);
  }
  if (error_.empty() && !temporary_.empty()) {
    if (::rename(temporary_.c_str(), path_.c_str()) != 0) {
      fail(errno);
    } else {
      temporary_.clear();
      // The rename itself reaches the disk with the folder; a folder that
      // cannot be synced still holds the whole file.
      fs::path parent = fs::path(path_).parent_path();
      int folder =
          ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
      }
    }
  }
  if (!error_.empty()) {
    discard();
    return error_;
  }
  committed_ = true;
  return "";
}

void WholeFile::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
  buffer_.clear();
}

std::string writeWholeFile(const std::string& path, std::string_view bytes) {
  WholeFile file(path);
  if (!file.open()) return file.error();
  file.write(bytes);
  return file.commit();
}

}  // namespace anglewise
