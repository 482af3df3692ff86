#pragma once
// Helper threads for work that comes in rounds. The calling thread takes
// part in each round too (its part 0), so that N threads in all keep N
// processors busy. A round is started as soon as its work is known; each
// helper goes from one round straight to the next one started, so that no
// helper waits while the caller ends a round (writing its results).
#include <array>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace anglewise {

class WorkPool {
 public:
  /// `helpers` threads (fewer where the system gives no more); `atExit`
  /// runs on each as it ends (to free what that thread's libraries keep).
  WorkPool(int helpers, std::function<void()> atExit);
  /// Lets the helpers end the rounds started, then ends them.
  ~WorkPool();
  WorkPool(const WorkPool&) = delete;
  WorkPool& operator=(const WorkPool&) = delete;

  int helpers() const { return static_cast<int>(helpers_.size()); }
  /// Starts work(1) ... work(helpers()), each on its helper once it has
  /// ended its part of the rounds before. At most two rounds are open at
  /// once: the one before the last must have been finished (else
  /// std::logic_error). `work` must outlive the round.
  void startRound(const std::function<void(int)>& work);
  /// Waits for the helpers' parts of the oldest round open; then throws the
  /// first exception any of them threw.
  void finishRound();

 private:
  void serve(int part);

  std::mutex mutex_;
  std::condition_variable wake_, done_;
  struct Round {
    const std::function<void(int)>* work = nullptr;
    int running = 0;
    std::exception_ptr failure;
  };
  std::array<Round, 2> rounds_;  // round n in rounds_[n % 2]
  long started_ = 0, finished_ = 0;
  bool quit_ = false;
  std::function<void()> atExit_;
  std::vector<std::thread> helpers_;
};

/// The processors this process may run on (at least 1).
int availableCores();

}  // namespace anglewise
