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

} // namespace
} // namespace velmora
