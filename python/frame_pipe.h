#pragma once
// The two streams between solve_frame's interpreter thread and its batch
// thread: the frame's rows as CSV going in, a chunk at a time, and batch's
// answers coming back, a block at a time. The interpreter thread makes the
// one and reads the other (both need Python's objects); each side waits
// only when it has nothing to do, and at most a few chunks and blocks wait
// at once, so memory stays flat and making the rows overlaps solving them.
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace anglewise {

class FramePipe {
 public:
  static constexpr size_t kRowChunks = 2;  // rows made ahead of the batch
  static constexpr size_t kAnswers = 16;   // answer blocks not yet read
  static constexpr size_t kReused = 4096;  // smaller texts are not worth keeping

  // The batch's side.

  /// Up to `size` bytes of rows; 0 at their end or once given up.
  size_t readRows(char* data, size_t size) {
    std::unique_lock lock(mutex_);
    while (reading_.size() == readAt_) {
      recycle(std::move(reading_));
      reading_.clear();
      readAt_ = 0;
      changed_.notify_all();
      changed_.wait(lock, [&] { return !rows_.empty() || rowsEnded_ || abandoned_; });
      if (abandoned_ || rows_.empty()) return 0;
      reading_ = std::move(rows_.front());
      rows_.pop_front();
    }
    size_t count = std::min(size, reading_.size() - readAt_);
    std::copy_n(reading_.data() + readAt_, count, data);
    readAt_ += count;
    return count;
  }

  /// Queues a copy of a block of answers; false once given up.
  bool writeAnswers(std::string_view block) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return answers_.size() < kAnswers || abandoned_; });
    if (abandoned_) return false;
    std::string copy = spare();
    copy.assign(block);
    answers_.push_back(std::move(copy));
    changed_.notify_all();
    return true;
  }

  /// The batch has ended: no more answers.
  void answersEnded() {
    std::lock_guard lock(mutex_);
    answersEnded_ = true;
    changed_.notify_all();
  }

  // The interpreter's side.

  enum class Next { MakeRows, ReadAnswers, Done };

  /// Waits for something to do: rows to make while the batch may soon run
  /// short of them (`moreRows`), answers to read, or the end. With
  /// ReadAnswers the block is in `block` (its old text kept for reuse).
  Next next(bool moreRows, std::string& block) {
    std::unique_lock lock(mutex_);
    recycle(std::move(block));
    block.clear();
    auto rowsWanted = [&] { return moreRows && rows_.size() < kRowChunks; };
    changed_.wait(lock, [&] { return rowsWanted() || !answers_.empty() || answersEnded_; });
    if (rowsWanted()) return Next::MakeRows;
    if (answers_.empty()) return Next::Done;
    block = std::move(answers_.front());
    answers_.pop_front();
    changed_.notify_all();
    return Next::ReadAnswers;
  }

  /// An empty text to make rows into, from the spent ones.
  std::string rowsChunk() {
    std::lock_guard lock(mutex_);
    return spare();
  }

  /// Hands over a chunk of rows; `last` when no more come.
  void giveRows(std::string chunk, bool last) {
    std::lock_guard lock(mutex_);
    if (!chunk.empty()) rows_.push_back(std::move(chunk));
    rowsEnded_ = last;
    changed_.notify_all();
  }

  /// The interpreter takes no more answers: the batch's reading ends and
  /// its next write fails.
  void abandon() {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    changed_.notify_all();
  }

 private:
  std::string spare() {
    if (spare_.empty()) return {};
    std::string text = std::move(spare_.back());
    spare_.pop_back();
    text.clear();
    return text;
  }
  void recycle(std::string text) {
    if (text.capacity() >= kReused) spare_.push_back(std::move(text));
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> rows_, answers_;
  std::string reading_;  // the chunk of rows the batch is reading
  size_t readAt_ = 0;
  std::vector<std::string> spare_;
  bool rowsEnded_ = false, answersEnded_ = false, abandoned_ = false;
};

}  // namespace anglewise
