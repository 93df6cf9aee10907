#include "sim/system/sim_event_pump.hpp"

#include "sim/system/sim_message_queue.hpp"
#include "sim/system/sim_timers.hpp"

#include <algorithm>
#include <stdexcept>

namespace velmora::sim {

SimEventPump::SimEventPump(SimClock& clock, SimMessageQueue& queue, SimTimers& timers)
    : clock_(clock), queue_(queue), timers_(timers) {}

void SimEventPump::doEvents() {
  ++doEventsCalls_;
  pump();
}

void SimEventPump::sleep(std::uint32_t milliseconds) {
  sleeps_.push_back(milliseconds);
  clock_.advance(milliseconds);
  currentBlock_ += milliseconds;
  longestBlock_ = std::max(longestBlock_, currentBlock_);
}

std::size_t SimEventPump::pump() {
  std::size_t count = 0;
  for (;;) {
    // Each retrieval ends whatever block came before it.
    currentBlock_ = 0;
    if (!queue_.dispatchOne() && !timers_.fireOneDue()) {
      break;
    }
    if (++count >= kDispatchLimit) {
      throw std::logic_error("the message loop never drains");
    }
  }
  return count;
}

void SimEventPump::clearRecord() {
  sleeps_.clear();
  currentBlock_ = 0;
  longestBlock_ = 0;
  doEventsCalls_ = 0;
}

} // namespace velmora::sim
