#include "cli/work_pool.h"

#include <sched.h>

#include <algorithm>
#include <system_error>
#include <utility>

namespace anglewise {

WorkPool::WorkPool(int parts, std::function<void()> atExit) : atExit_(std::move(atExit)) {
  for (int part = 0; part < parts; ++part) {
    try {
      helpers_.emplace_back([this, part] { serve(part); });
    } catch (const std::system_error&) {
      break;  // no more threads to be had (a memory limit): fewer parts
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
    work_ = &work;
    running_ = static_cast<int>(helpers_.size());
    ++round_;
  }
  wake_.notify_all();
}

void WorkPool::finishRound() {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return running_ == 0; });
  work_ = nullptr;
  // The first failure of any part (running out of memory) is the round's.
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void WorkPool::keep(std::exception_ptr failure) {
  std::lock_guard lock(mutex_);
  if (!failure_) failure_ = std::move(failure);
}

void WorkPool::serve(int part) {
  long seen = 0;
  for (;;) {
    const std::function<void(int)>* work;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return quit_ || round_ != seen; });
      if (quit_) break;
      seen = round_;
      work = work_;
    }
    try {
      (*work)(part);
    } catch (...) {
      keep(std::current_exception());
    }
    {
      std::lock_guard lock(mutex_);
      --running_;
    }
    done_.notify_one();
  }
  if (atExit_) atExit_();
}

int availableCores() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
  return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace anglewise
