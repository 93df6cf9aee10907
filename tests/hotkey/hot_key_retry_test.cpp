#include "hotkey/hot_key_retry.hpp"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Outcome = HotKeyRetry::Outcome;

TEST(HotKeyRetryTest, ARefusedSlotIsTriedElevenTimesInAllWhileTheOthersAreLeftAlone) {
  std::array<int, 4> tries{};
  const HotKeyRetry::Attempt attempt = [&](int n) {
    ++tries[static_cast<std::size_t>(n - 1)];
    // Slot 1 is never free; slot 3 becomes free at its third try.
    return n == 3 ? tries[2] >= 3 : n != 1;
  };
  HotKeyRetry retry;
  EXPECT_EQ(retry.start(attempt), Outcome::Pending);
  int rounds = 1;
  Outcome outcome = Outcome::Pending;
  while (outcome == Outcome::Pending && rounds < 20) {
    outcome = retry.retry(attempt);
    ++rounds;
  }
  EXPECT_EQ(outcome, Outcome::Failed);
  EXPECT_EQ(rounds, 11);
  EXPECT_EQ(tries, (std::array<int, 4>{11, 1, 3, 1}));
  EXPECT_FALSE(retry.pending());
  EXPECT_EQ(retry.retry(attempt), Outcome::Registered) << "nothing is left to try";
  EXPECT_EQ(tries[0], 11);
}

TEST(HotKeyRetryTest, StartingAgainOrCancellingForgetsTheEarlierRun) {
  int tries = 0;
  const HotKeyRetry::Attempt refuseSlot2 = [&](int n) {
    tries += n == 2 ? 1 : 0;
    return n != 2;
  };
  HotKeyRetry retry;
  retry.start(refuseSlot2);
  for (int i = 0; i < 5; ++i) {
    retry.retry(refuseSlot2);
  }
  // A fresh start counts from one again: ten more rounds stay after it.
  tries = 0;
  EXPECT_EQ(retry.start(refuseSlot2), Outcome::Pending);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(retry.retry(refuseSlot2), Outcome::Pending);
  }
  EXPECT_EQ(retry.retry(refuseSlot2), Outcome::Failed);
  EXPECT_EQ(tries, 11);

  retry.start(refuseSlot2);
  retry.cancel();
  EXPECT_FALSE(retry.pending());
  EXPECT_EQ(retry.retry(refuseSlot2), Outcome::Registered);
  EXPECT_EQ(retry.start([](int) { return true; }), Outcome::Registered);
}

} // namespace
} // namespace velmora
