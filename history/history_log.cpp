#include "history/history_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/whole_file.h"
#include "ports/user_program_folder.h"

namespace anglewise {
namespace fs = std::filesystem;
namespace {

// An open file under an exclusive lock, closed and unlocked when done.
class LockedFile {
 public:
  LockedFile(const std::string& path, int flags) : fd_(::open(path.c_str(), flags, 0600)) {
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) close();
  }
  ~LockedFile() { close(); }
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;
  int fd() const { return fd_; }

 private:
  void close() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    fd_ = -1;
  }
  int fd_;
};

std::string reason() {
  return std::strerror(errno);
}

bool writeAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

std::string readAll(int fd) {
  std::string bytes;
  char block[65536];
  for (;;) {
    ssize_t n = ::read(fd, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    bytes.append(block, static_cast<size_t>(n));
  }
  return bytes;
}

}  // namespace

std::string defaultHistoryPath() {
  std::string home = userDataHome();
  return (fs::path(home.empty() ? "." : home) / "anglewise" / "history.jsonl").string();
}

std::string HistoryLog::moveAside(const std::string& why) {
  std::string aside = path_ + ".unreadable-" + utcNow();
  std::error_code error;
  fs::rename(path_, aside, error);
  if (error)
    return "The history " + path_ + " " + why + " and could not be moved aside (" +
           error.message() + "); a new history starts.";
  return "The history " + path_ + " " + why + "; it was moved aside to " + aside +
         ", and a new history starts.";
}

LoadedHistory HistoryLog::load() {
  LoadedHistory loaded;
  std::error_code error;
  if (!fs::exists(path_, error)) return loaded;
  LockedFile file(path_, O_RDWR);
  if (file.fd() < 0) {
    loaded.note = moveAside("cannot be read (" + reason() + ")");
    return loaded;
  }
  std::string bytes = readAll(file.fd());
  size_t whole = bytes.rfind('\n');
  whole = whole == std::string::npos ? 0 : whole + 1;
  std::istringstream lines(bytes.substr(0, whole));
  std::string line, why;
  while (std::getline(lines, line)) {
    if (line.empty()) continue;
    std::optional<HistoryEntry> entry = parseEntryLine(line, why);
    if (!entry) {
      loaded.entries.clear();
      loaded.note = moveAside("holds a line that is " + why);
      return loaded;
    }
    loaded.entries.push_back(std::move(*entry));
  }
  if (whole < bytes.size()) {
    // The program stopped while writing: the torn record goes, so the next
    // entry starts on a line of its own.
    if (::ftruncate(file.fd(), static_cast<off_t>(whole)) == 0) {
      loaded.note =
          "The last entry of the history was cut short when Anglewise stopped; it was "
          "left out.";
    }
  }
  return loaded;
}

LoadedHistory HistoryLog::read() const {
  LoadedHistory loaded;
  std::ifstream in(path_, std::ios::binary);
  if (!in) {
    loaded.note = "Cannot read the history " + path_ + ": " + reason() + ".";
    return loaded;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  size_t whole = bytes.rfind('\n');
  whole = whole == std::string::npos ? 0 : whole + 1;
  std::istringstream lines(bytes.substr(0, whole));
  std::string line, why;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (line.empty()) continue;
    std::optional<HistoryEntry> entry = parseEntryLine(line, why);
    if (!entry) {
      loaded.entries.clear();
      loaded.note = "The history " + path_ + ", line " + std::to_string(number) + ": " + why + ".";
      return loaded;
    }
    loaded.entries.push_back(std::move(*entry));
  }
  if (whole < bytes.size())
    loaded.note = "The last entry of the history is cut short; it is left out.";
  return loaded;
}

std::string HistoryLog::append(const HistoryEntry& entry) {
  std::error_code error;
  fs::create_directories(fs::path(path_).parent_path(), error);
  LockedFile file(path_, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC);
  if (file.fd() < 0) return reason();
  if (!writeAll(file.fd(), entryLine(entry) + "\n")) return reason();
  if (::fsync(file.fd()) != 0) return reason();
  return "";
}

std::string HistoryLog::rewrite(const std::vector<HistoryEntry>& entries) {
  std::string bytes;
  for (const HistoryEntry& entry : entries) bytes += entryLine(entry) + "\n";
  LockedFile lock(path_, O_RDWR | O_CREAT | O_CLOEXEC);
  return writeWholeFile(path_, bytes);
}

}  // namespace anglewise
