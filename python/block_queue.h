#pragma once
// Blocks of text handed from the thread that makes them to the thread that
// reads them, at most kBlocks waiting: the maker waits when the reader
// falls behind, so memory stays flat. Spent blocks come back for reuse.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace anglewise {

class BlockQueue {
 public:
  static constexpr size_t kBlocks = 16;
  static constexpr size_t kReused = 4096;  // smaller texts are not worth keeping

  /// Queues a copy of `block`; false once the reader has given up.
  bool push(std::string_view block) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return waiting_.size() < kBlocks || abandoned_; });
    if (abandoned_) return false;
    std::string copy;
    if (!spare_.empty()) {
      copy = std::move(spare_.back());
      spare_.pop_back();
    }
    copy.assign(block);
    waiting_.push_back(std::move(copy));
    changed_.notify_all();
    return true;
  }

  /// The next block into `block` (its old text kept for reuse); false when
  /// the maker has closed the queue and every block has been taken.
  bool pop(std::string& block) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !waiting_.empty() || closed_; });
    if (block.capacity() >= kReused) spare_.push_back(std::move(block));
    if (waiting_.empty()) return false;
    block = std::move(waiting_.front());
    waiting_.pop_front();
    changed_.notify_all();
    return true;
  }

  /// The maker has no more blocks.
  void close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
  }

  /// The reader takes no more blocks: the maker's next push fails.
  void abandon() {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    waiting_.clear();
    changed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> waiting_;
  std::vector<std::string> spare_;
  bool closed_ = false, abandoned_ = false;
};

}  // namespace anglewise
