#pragma once

#include "sim/vbide/objects/command_bars_model.hpp"

#include <memory>
#include <string>
#include <vector>

namespace velmora::sim::vbide {

// What a click on a control came to.
struct ClickOutcome {
  int sources = 0; // event sources that heard it
  bool handled = false;
  bool cancelDefault = false;
  std::vector<std::u16string> failures; // the descriptions of the sinks that failed
};

// The user clicks `control`: Click goes to every event source bound to it (each passes it to
// its sinks), with the control object as the first argument and both flags starting False.
// A deleted or disabled control does nothing.
ClickOutcome clickControl(const std::shared_ptr<CommandBarsModel>& model,
                          const std::shared_ptr<CommandBarControlModel>& control);

} // namespace velmora::sim::vbide
