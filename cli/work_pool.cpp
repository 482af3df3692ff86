#include "cli/work_pool.h"

#include <sched.h>

#include <algorithm>

namespace anglewise {

WorkPool::WorkPool(int parts, std::function<void()> atExit) : atExit_(std::move(atExit)) {
  for (int part = 1; part < parts; ++part) helpers_.emplace_back([this, part] { serve(part); });
}

WorkPool::~WorkPool() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  for (std::thread& helper : helpers_) helper.join();
}

void WorkPool::runRound(const std::function<void(int)>& work) {
  {
    std::lock_guard lock(mutex_);
    work_ = &work;
    running_ = static_cast<int>(helpers_.size());
    ++round_;
  }
  wake_.notify_all();
  work(0);
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return running_ == 0; });
  work_ = nullptr;
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
    (*work)(part);
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
