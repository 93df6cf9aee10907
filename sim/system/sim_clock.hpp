#pragma once

#include <cstdint>

namespace velmora::sim {

// Milliseconds of simulated time since the desktop started.
using SimTime = std::uint64_t;

// The one clock of a simulated desktop. Time moves only when a program sleeps or a test lets it
// run; nothing ever waits for real.
class SimClock {
public:
  SimTime now() const { return now_; }
  void advance(SimTime milliseconds) { now_ += milliseconds; }
  // Moves the clock forward to `time`; an earlier time leaves it where it is.
  void advanceTo(SimTime time);

private:
  SimTime now_ = 0;
};

} // namespace velmora::sim
