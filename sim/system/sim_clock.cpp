#include "sim/system/sim_clock.hpp"

namespace velmora::sim {

void SimClock::advanceTo(SimTime time) {
  if (time > now_) {
    now_ = time;
  }
}

} // namespace velmora::sim
