#pragma once

#include "sim/system/sim_clock.hpp"

#include <memory>
#include <span>

namespace velmora::sim {

class SimProgram;

// Lets the programs sit in their message loops while `milliseconds` of simulated time pass: each
// pumps its messages, then the clock moves to the next due timer, until the end of the period.
// Time that handlers spend sleeping counts towards the period; the clock never goes back.
void runMessageLoops(SimClock& clock, std::span<const std::unique_ptr<SimProgram>> programs,
                     SimTime milliseconds);

} // namespace velmora::sim
