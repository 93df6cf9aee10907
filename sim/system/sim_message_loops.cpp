#include "sim/system/sim_message_loops.hpp"

#include "sim/system/sim_message_queue.hpp"
#include "sim/system/sim_program.hpp"

#include <optional>
#include <stdexcept>

namespace velmora::sim {
namespace {

// Pumps every program until none has anything left (a program may post to another's queue).
void pumpAll(std::span<const std::unique_ptr<SimProgram>> programs) {
  for (std::size_t rounds = 0;; ++rounds) {
    if (rounds >= kDispatchLimit) {
      throw std::logic_error("the programs' message loops never drain");
    }
    std::size_t dispatched = 0;
    for (const auto& program : programs) {
      dispatched += program->pump().pump();
    }
    if (dispatched == 0) {
      return;
    }
  }
}

std::optional<SimTime> nextDue(std::span<const std::unique_ptr<SimProgram>> programs) {
  std::optional<SimTime> next;
  for (const auto& program : programs) {
    const auto due = program->timers().nextDue();
    if (due && (!next || *due < *next)) {
      next = due;
    }
  }
  return next;
}

} // namespace

void runMessageLoops(SimClock& clock, std::span<const std::unique_ptr<SimProgram>> programs,
                     SimTime milliseconds) {
  const SimTime end = clock.now() + milliseconds;
  for (;;) {
    pumpAll(programs);
    const auto due = nextDue(programs);
    if (!due || *due > end) {
      break;
    }
    clock.advanceTo(*due);
  }
  clock.advanceTo(end);
}

} // namespace velmora::sim
