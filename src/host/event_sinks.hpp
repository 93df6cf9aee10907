#pragma once

#include "host/command_bar_events.hpp"

#include <memory>

namespace velmora {

// The connect object's five event-sink properties: the event source of each toolbar button.
struct EventSinks {
  std::shared_ptr<CommandBarEvents> DimMenuHandler;
  std::shared_ptr<CommandBarEvents> PrivateMenuHandler;
  std::shared_ptr<CommandBarEvents> PublicMenuHandler;
  std::shared_ptr<CommandBarEvents> BasMenuHandler;
  std::shared_ptr<CommandBarEvents> SetteiMenuHandler;
};

} // namespace velmora
