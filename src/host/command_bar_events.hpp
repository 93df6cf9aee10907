#pragma once

#include "host/command_bar_control.hpp"

#include <functional>
#include <memory>

namespace velmora {

// The event source of one toolbar button.
class CommandBarEvents {
public:
  using ClickHandler = std::function<void()>;

  virtual ~CommandBarEvents() = default;

  // From now on a click on the button runs `onClick` (a later call replaces it).
  virtual void advise(ClickHandler onClick) = 0;
  // No more clicks are delivered; does nothing when not advised.
  virtual void unadvise() = 0;
};

class Events {
public:
  virtual ~Events() = default;

  virtual std::shared_ptr<CommandBarEvents> commandBarEvents(CommandBarControl& control) = 0;
};

} // namespace velmora
