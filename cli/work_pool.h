#pragma once
// A fixed set of threads that each run one part of a round of work, while
// the calling thread goes on with its own (reading the next round). Rounds
// run one after another.
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace anglewise {

class WorkPool {
 public:
  /// `parts` threads (fewer where the system gives no more); `atExit` runs
  /// on each as it ends (to free what that thread's libraries keep).
  WorkPool(int parts, std::function<void()> atExit);
  ~WorkPool();
  WorkPool(const WorkPool&) = delete;
  WorkPool& operator=(const WorkPool&) = delete;

  int parts() const { return static_cast<int>(helpers_.size()); }
  /// Starts work(0) ... work(parts() - 1) at once and returns; `work` must
  /// outlive the round.
  void startRound(const std::function<void(int)>& work);
  /// Waits for the round started to end; then throws the first exception
  /// any part threw.
  void finishRound();

 private:
  void serve(int part);
  void keep(std::exception_ptr failure);

  std::mutex mutex_;
  std::condition_variable wake_, done_;
  const std::function<void(int)>* work_ = nullptr;
  long round_ = 0;
  int running_ = 0;
  std::exception_ptr failure_;
  bool quit_ = false;
  std::function<void()> atExit_;
  std::vector<std::thread> helpers_;
};

/// The processors this process may run on (at least 1).
int availableCores();

}  // namespace anglewise
