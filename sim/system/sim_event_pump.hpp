#pragma once

#include "ports/event_pump.hpp"
#include "sim/system/sim_clock.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::sim {

class SimMessageQueue;
class SimTimers;

// Message processing and waiting on one program's user-interface thread.
//
// A pump retrieves work as GetMessage and PeekMessage do: posted messages first, and a due timer
// only when no posted message waits; it goes on until neither is left, so messages posted and
// timers come due meanwhile are handled by the same pump. sleep moves the desktop's clock and
// dispatches nothing. The pump keeps a record of how long the thread went without retrieving
// messages: every sleep, and the longest stretch of sleeping between two retrievals.
class SimEventPump final : public EventPump {
public:
  SimEventPump(SimClock& clock, SimMessageQueue& queue, SimTimers& timers);
  SimEventPump(const SimEventPump&) = delete;
  SimEventPump& operator=(const SimEventPump&) = delete;

  void doEvents() override;
  void sleep(std::uint32_t milliseconds) override;

  // One run of the thread's message retrieval (what doEvents and an idle message loop do);
  // returns the number of messages and timers dispatched.
  std::size_t pump();

  // Inspection.
  const std::vector<std::uint32_t>& sleeps() const { return sleeps_; }
  SimTime longestBlock() const { return longestBlock_; }
  SimTime currentBlock() const { return currentBlock_; }
  std::size_t doEventsCalls() const { return doEventsCalls_; }
  // Forgets the sleeps and blocks recorded so far (e.g. those of a test's set-up).
  void clearRecord();

private:
  SimClock& clock_;
  SimMessageQueue& queue_;
  SimTimers& timers_;
  std::vector<std::uint32_t> sleeps_;
  SimTime currentBlock_ = 0;
  SimTime longestBlock_ = 0;
  std::size_t doEventsCalls_ = 0;
};

} // namespace velmora::sim
