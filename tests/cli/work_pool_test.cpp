// The batch's helper threads: every helper part of every round runs once
// and in round order, a helper goes on to the next round while the one
// before is still being ended, a part that fails (out of memory) fails its
// own round instead of ending the program, and rounds started are run
// before the pool ends.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <new>
#include <vector>

#include "cli/work_pool.h"

namespace anglewise {
namespace {

TEST(WorkPoolTest, EachHelperRunsEveryRoundOnceAndInOrder) {
  constexpr int kHelpers = 3, kRounds = 200;
  std::mutex mutex;
  std::vector<std::vector<int>> seen(kHelpers + 1);
  std::vector<std::function<void(int)>> work;
  for (int round = 0; round < kRounds; ++round) {
    work.emplace_back([&, round](int part) {
      std::lock_guard lock(mutex);
      seen[static_cast<size_t>(part)].push_back(round);
    });
  }
  std::atomic<int> helpersEnded = 0;
  {
    WorkPool pool(kHelpers, [&helpersEnded] { ++helpersEnded; });
    ASSERT_EQ(pool.helpers(), kHelpers);
    // Two rounds open at once, as the batch keeps them.
    pool.startRound(work[0]);
    for (int round = 1; round < kRounds; ++round) {
      pool.startRound(work[static_cast<size_t>(round)]);
      pool.finishRound();
    }
    pool.finishRound();
  }
  EXPECT_EQ(helpersEnded, kHelpers);
  std::vector<int> inOrder;
  for (int round = 0; round < kRounds; ++round) inOrder.push_back(round);
  EXPECT_TRUE(seen[0].empty()) << "part 0 is the caller's";
  for (int part = 1; part <= kHelpers; ++part) EXPECT_EQ(seen[static_cast<size_t>(part)], inOrder);
}

TEST(WorkPoolTest, AFailingPartFailsItsOwnRoundAndThePoolGoesOn) {
  WorkPool pool(2, nullptr);
  std::atomic<int> ran = 0;
  std::function<void(int)> failing = [&ran](int part) {
    ++ran;
    if (part == 2) throw std::bad_alloc();
  };
  std::function<void(int)> working = [&ran](int) { ++ran; };
  pool.startRound(failing);
  pool.startRound(working);
  EXPECT_THROW(pool.finishRound(), std::bad_alloc);
  EXPECT_NO_THROW(pool.finishRound());
  EXPECT_EQ(ran, 4);
  pool.startRound(working);
  EXPECT_NO_THROW(pool.finishRound());
  EXPECT_EQ(ran, 6);
}

TEST(WorkPoolTest, RoundsStartedAreRunBeforeThePoolEnds) {
  std::atomic<int> ran = 0;
  std::function<void(int)> work = [&ran](int) { ++ran; };
  {
    WorkPool pool(2, nullptr);
    pool.startRound(work);
    pool.startRound(work);
  }
  EXPECT_EQ(ran, 4);
}

}  // namespace
}  // namespace anglewise
