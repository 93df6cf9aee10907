#include "sim/system/sim_desktop.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace velmora::sim {
namespace {

constexpr std::uint32_t kWmUser = 0x0400;

class SimTimeline : public ::testing::Test {
protected:
  SimDesktop desktop;
  SimProgram& ide = desktop.createProgram("IDE");
  SimProgram& other = desktop.createProgram("Other");
  std::vector<SimTime> fired;
};

TEST_F(SimTimeline, TimerFiresOnlyWhenTheProgramPumps) {
  UiHost& ui = ide.ui();
  ui.startTimer(10, [&] { fired.push_back(desktop.clock().now()); });

  desktop.clock().advance(35);
  EXPECT_TRUE(fired.empty());
  other.pump().doEvents();
  EXPECT_TRUE(fired.empty());

  // However long it was overdue, it fires once, and keeps its rhythm.
  ide.pump().doEvents();
  ide.pump().doEvents();
  EXPECT_EQ(fired, std::vector<SimTime>{35});
  desktop.clock().advance(5);
  ide.pump().doEvents();
  EXPECT_EQ(fired, (std::vector<SimTime>{35, 40}));
}

TEST_F(SimTimeline, RunForFiresEachProgramsTimersAtTheirDueTimes) {
  std::vector<SimTime> otherFired;
  const int id = ide.ui().startTimer(300, [&] { fired.push_back(desktop.clock().now()); });
  other.ui().startTimer(250, [&] { otherFired.push_back(desktop.clock().now()); });
  // Below the system minimum an interval counts as 10 ms.
  int shortRuns = 0;
  int shortId = 0;
  shortId = ide.ui().startTimer(0, [&] {
    if (++shortRuns == 3) {
      ide.ui().stopTimer(shortId);
    }
  });

  desktop.runFor(700);
  EXPECT_EQ(desktop.clock().now(), 700U);
  EXPECT_EQ(fired, (std::vector<SimTime>{300, 600}));
  EXPECT_EQ(otherFired, (std::vector<SimTime>{250, 500}));
  EXPECT_EQ(shortRuns, 3);
  EXPECT_FALSE(ide.timers().isRunning(shortId));

  ide.ui().stopTimer(id);
  desktop.runFor(1000);
  EXPECT_EQ(fired.size(), 2U);
}

TEST_F(SimTimeline, PostedMessagesComeBeforeDueTimers) {
  std::vector<int> order;
  const WindowHandle window = ide.ui().createWindow("w");
  ide.procedures().replace(window, [&](const WindowMessage&) {
    order.push_back(1);
    return std::intptr_t{0};
  });
  ide.ui().startTimer(10, [&] {
    order.push_back(2);
    ide.queue().post({window, kWmUser, 0, 0});
  });
  desktop.clock().advance(10);
  ide.queue().post({window, kWmUser, 0, 0});
  ide.pump().doEvents();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 1}));
}

TEST_F(SimTimeline, SleepBlocksWithoutDispatchingAndIsRecorded) {
  const WindowHandle window = ide.ui().createWindow("w");
  int timerRuns = 0;
  ide.ui().startTimer(10, [&] { ++timerRuns; });
  ide.queue().post({window, kWmUser, 0, 0});

  EventPump& pump = ide.pump();
  pump.sleep(500);
  pump.sleep(500);
  EXPECT_EQ(desktop.clock().now(), 1000U);
  EXPECT_EQ(timerRuns, 0);
  EXPECT_EQ(ide.queue().pending().size(), 1U);
  EXPECT_EQ(ide.pump().currentBlock(), 1000U);

  pump.doEvents();
  EXPECT_EQ(timerRuns, 1);
  EXPECT_EQ(ide.queue().pending().size(), 0U);
  pump.sleep(300);
  EXPECT_EQ(ide.pump().sleeps(), (std::vector<std::uint32_t>{500, 500, 300}));
  EXPECT_EQ(ide.pump().longestBlock(), 1000U);
  EXPECT_EQ(other.pump().longestBlock(), 0U);
}

TEST_F(SimTimeline, RetriesInsideATimerHandlerBlockTheThreadForTheirWholeLength) {
  // A one-shot handler that retries ten times with a pause, as a re-registration after
  // activation might, while another program's timer waits for its turn.
  std::vector<SimTime> otherFired;
  int retryTimer = 0;
  retryTimer = ide.ui().startTimer(10, [&] {
    ide.ui().stopTimer(retryTimer);
    for (int attempt = 0; attempt < 10; ++attempt) {
      ide.pump().sleep(500);
    }
  });
  other.ui().startTimer(1000, [&] { otherFired.push_back(desktop.clock().now()); });

  desktop.runFor(2000);
  EXPECT_EQ(ide.pump().longestBlock(), 5000U);
  EXPECT_EQ(ide.pump().currentBlock(), 0U);
  EXPECT_EQ(desktop.clock().now(), 5010U);
  // The other program's timer came due during the block and fired once, late.
  EXPECT_EQ(otherFired, std::vector<SimTime>{5010});
}

} // namespace
} // namespace velmora::sim
