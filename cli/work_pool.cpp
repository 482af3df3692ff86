#include "cli/work_pool.h"

#include <sched.h>

#include <algorithm>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace anglewise {

WorkPool::WorkPool(int helpers, std::function<void()> atExit) : atExit_(std::move(atExit)) {
  // Room first: a vector that failed to grow would leave a thread unjoined.
  helpers_.reserve(static_cast<size_t>(std::max(helpers, 0)));
  for (int part = 1; part <= helpers; ++part) {
    try {
      helpers_.emplace_back([this, part] { serve(part); });
    } catch (const std::system_error&) {
      break;  // no more threads to be had (a memory limit): fewer helpers
    }
  }
}

WorkPool::~WorkPool() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  for (std::thread& helper : helpers_) helper.join();
}

void WorkPool::startRound(const std::function<void(int)>& work) {
  {
    std::lock_guard lock(mutex_);
    // A third round would take the place of one the helpers may still run.
    if (started_ - finished_ >= 2) throw std::logic_error("a third round started before one ended");
    Round& round = rounds_[static_cast<size_t>(++started_ % 2)];
    round.work = &work;
    round.running = helpers();
  }
  wake_.notify_all();
}

void WorkPool::finishRound() {
  std::unique_lock lock(mutex_);
  if (finished_ == started_) throw std::logic_error("no round to finish");
  Round& round = rounds_[static_cast<size_t>(++finished_ % 2)];
  done_.wait(lock, [&round] { return round.running == 0; });
  round.work = nullptr;
  // The first failure of any part (running out of memory) is the round's.
  if (round.failure) std::rethrow_exception(std::exchange(round.failure, nullptr));
}

void WorkPool::serve(int part) {
  for (long next = 1;; ++next) {
    Round* round;
    {
      std::unique_lock lock(mutex_);
      // Rounds started before the end are still run: their caller waits.
      wake_.wait(lock, [&] { return quit_ || started_ >= next; });
      if (started_ < next) break;
      round = &rounds_[static_cast<size_t>(next % 2)];
    }
    std::exception_ptr failure;
    try {
      (*round->work)(part);
    } catch (...) {
      failure = std::current_exception();
    }
    {
      std::lock_guard lock(mutex_);
      if (failure && !round->failure) round->failure = std::move(failure);
      if (--round->running > 0) continue;
    }
    done_.notify_all();
  }
  if (atExit_) atExit_();
}

int availableCores() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
  return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace anglewise
