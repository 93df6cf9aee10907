#include "sim/system/sim_timers.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace velmora::sim {

int SimTimers::start(std::int32_t intervalMs, std::function<void()> fire) {
  if (!fire) {
    throw std::invalid_argument("a timer without a callback");
  }
  const auto interval =
      std::max(kMinimumTimerInterval, static_cast<std::uint32_t>(std::max(intervalMs, 0)));
  const int id = nextId_++;
  timers_.emplace(id, Timer{interval, clock_.now() + interval,
                            std::make_shared<const std::function<void()>>(std::move(fire))});
  return id;
}

bool SimTimers::stop(int id) {
  return timers_.erase(id) > 0;
}

bool SimTimers::fireOneDue() {
  const SimTime now = clock_.now();
  auto due = timers_.end();
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    if (it->second.due <= now && (due == timers_.end() || it->second.due < due->second.due)) {
      due = it;
    }
  }
  if (due == timers_.end()) {
    return false;
  }
  Timer& timer = due->second;
  timer.due += timer.interval * ((now - timer.due) / timer.interval + 1);
  // Held for the call: the callback may stop its own timer.
  const std::shared_ptr<const std::function<void()>> fire = timer.fire;
  ++fired_;
  (*fire)();
  return true;
}

std::optional<SimTime> SimTimers::nextDue() const {
  std::optional<SimTime> next;
  for (const auto& [id, timer] : timers_) {
    if (!next || timer.due < *next) {
      next = timer.due;
    }
  }
  return next;
}

} // namespace velmora::sim
