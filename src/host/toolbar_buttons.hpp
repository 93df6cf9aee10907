#pragma once

#include "host/command_bar_control.hpp"

#include <memory>

namespace velmora {

// The five buttons of the add-in's toolbar, as created by the last connection.
struct ToolbarButtons {
  std::shared_ptr<CommandBarControl> mnuDim;
  std::shared_ptr<CommandBarControl> mnuPrivate;
  std::shared_ptr<CommandBarControl> mnuPublic;
  std::shared_ptr<CommandBarControl> mnuBas;
  std::shared_ptr<CommandBarControl> mnuSettei;
};

} // namespace velmora
