// The batch's threads: every part of every round runs once, rounds follow
// one another, and a part that fails (out of memory) fails the round
// instead of ending the program.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <new>
#include <vector>

#include "cli/work_pool.h"

namespace anglewise {
namespace {

TEST(WorkPoolTest, EveryPartOfEveryRoundRunsOnce) {
  std::atomic<int> helpersEnded = 0;
  {
    WorkPool pool(4, [&helpersEnded] { ++helpersEnded; });
    ASSERT_EQ(pool.parts(), 4);
    std::vector<std::atomic<int>> runs(4);
    for (int round = 0; round < 200; ++round) {
      std::function<void(int)> work = [&runs](int part) { ++runs[static_cast<size_t>(part)]; };
      pool.startRound(work);
      pool.finishRound();
      for (const auto& count : runs) ASSERT_EQ(count, round + 1);
    }
  }
  EXPECT_EQ(helpersEnded, 4);
}

TEST(WorkPoolTest, AFailingPartFailsTheRoundAndThePoolGoesOn) {
  WorkPool pool(3, nullptr);
  for (int failing = 0; failing < 3; ++failing) {
    std::atomic<int> ran = 0;
    std::function<void(int)> work = [&](int part) {
      ++ran;
      if (part == failing) throw std::bad_alloc();
    };
    pool.startRound(work);
    EXPECT_THROW(pool.finishRound(), std::bad_alloc);
    EXPECT_EQ(ran, 3);
  }
  std::atomic<int> ran = 0;
  std::function<void(int)> work = [&ran](int) { ++ran; };
  pool.startRound(work);
  pool.finishRound();
  EXPECT_EQ(ran, 3);
}

}  // namespace
}  // namespace anglewise
