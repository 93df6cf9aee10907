#pragma once

#include "sim/system/sim_clock.hpp"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace velmora::sim {

// Intervals below this are raised to it, as the system does for its timers.
inline constexpr std::uint32_t kMinimumTimerInterval = 10;

// The timers of one program's thread on simulated time.
//
// Like WM_TIMER, a timer never interrupts anything: it fires only when the thread retrieves
// messages and the clock has reached its due time. However many intervals have passed, it fires
// once and then keeps its original rhythm (the next due time is the first one still ahead).
class SimTimers {
public:
  explicit SimTimers(const SimClock& clock) : clock_(clock) {}
  SimTimers(const SimTimers&) = delete;
  SimTimers& operator=(const SimTimers&) = delete;

  // Starts a repeating timer, first due one interval from now; returns its id (never 0, never
  // reused). Throws std::invalid_argument for an empty callback.
  int start(std::int32_t intervalMs, std::function<void()> fire);
  // False when no such timer runs. A stopped timer does not fire again, even within a pump
  // that has already found it due.
  bool stop(int id);

  // Fires the timer that has been due the longest; false when none is due.
  bool fireOneDue();
  std::optional<SimTime> nextDue() const;

  // Inspection.
  bool isRunning(int id) const { return timers_.contains(id); }
  std::size_t running() const { return timers_.size(); }
  std::size_t fired() const { return fired_; }

private:
  struct Timer {
    std::uint32_t interval = 0;
    SimTime due = 0;
    std::shared_ptr<const std::function<void()>> fire;
  };

  const SimClock& clock_;
  std::map<int, Timer> timers_;
  int nextId_ = 1;
  std::size_t fired_ = 0;
};

} // namespace velmora::sim
