#pragma once

#include "sim/ide/memory_vbe.hpp"
#include "sim/vbide/objects/command_bars_model.hpp"

#include <memory>

namespace velmora::sim::vbide {

// What the automation objects of one simulated IDE stand on: the in-memory IDE (projects, code
// windows) and its command bars.
struct VbeWorld {
  std::shared_ptr<MemoryVbe> vbe;
  std::shared_ptr<CommandBarsModel> bars;
};

} // namespace velmora::sim::vbide
