#include "sim/system/sim_desktop.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace velmora::sim {
namespace {

class SimTimeline : public ::testing::Test {
protected:
  SimDesktop desktop;
  SimProgram& ide = desktop.createProgram("IDE");
  SimProgram& other = desktop.createProgram("Other");
  std::vector<SimTime> fired;
};

TEST_F(SimTimeline, TimerFiresOnlyWhenItsProgramPumpsAndOnceHoweverOverdue) {
  ide.ui().startTimer(10, [&] { fired.push_back(desktop.clock().now()); });
  desktop.clock().advance(35);
  other.pump().doEvents();
  EXPECT_TRUE(fired.empty());
  ide.pump().doEvents();
  ide.pump().doEvents();
  EXPECT_EQ(fired, std::vector<SimTime>{35});
  desktop.clock().advance(5);
  ide.pump().doEvents();
  EXPECT_EQ(fired, (std::vector<SimTime>{35, 40}));
}

TEST_F(SimTimeline, SleepsInsideATimerHandlerBlockTheThreadForTheirWholeLength) {
  int retryTimer = 0;
  retryTimer = ide.ui().startTimer(10, [&] {
    ide.ui().stopTimer(retryTimer);
    for (int attempt = 0; attempt < 10; ++attempt) {
      ide.pump().sleep(500);
    }
  });
  other.ui().startTimer(1000, [&] { fired.push_back(desktop.clock().now()); });
  desktop.runFor(2000);
  EXPECT_EQ(ide.pump().longestBlock(), 5000U);
  EXPECT_EQ(ide.pump().currentBlock(), 0U);
  EXPECT_EQ(ide.pump().sleeps().size(), 10U);
  // The other program's timer came due during the block and fired once, late.
  EXPECT_EQ(fired, std::vector<SimTime>{5010});
}

} // namespace
} // namespace velmora::sim
