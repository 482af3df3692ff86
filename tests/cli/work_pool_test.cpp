// The batch's threads: every part of every round runs once, rounds follow
// one another, and a part that fails (out of memory) fails the round
// instead of ending the program.
#include <gtest/gtest.h>

#include <atomic>
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
      pool.runRound([&runs](int part) { ++runs[static_cast<size_t>(part)]; });
      for (const auto& count : runs) ASSERT_EQ(count, round + 1);
    }
  }
  EXPECT_EQ(helpersEnded, 3);
}

TEST(WorkPoolTest, AFailingPartFailsTheRoundAndThePoolGoesOn) {
  WorkPool pool(3, nullptr);
  for (int failing = 0; failing < 3; ++failing) {
    std::atomic<int> ran = 0;
    EXPECT_THROW(pool.runRound([&](int part) {
      ++ran;
      if (part == failing) throw std::bad_alloc();
    }),
                 std::bad_alloc);
    EXPECT_EQ(ran, 3);
  }
  std::atomic<int> ran = 0;
  pool.runRound([&ran](int) { ++ran; });
  EXPECT_EQ(ran, 3);
}

}  // namespace
}  // namespace anglewise
