#pragma once

#include "host/command_bar_events.hpp"
#include "host/dispatch_object.hpp"

namespace velmora::win32 {

// The IDE's Events object, late-bound.
class DispatchEvents final : public Events {
public:
  explicit DispatchEvents(DispatchObject object) : object_(std::move(object)) {}

  // The CommandBarEvents property read for `control`, which must be a control of this host.
  std::shared_ptr<CommandBarEvents> commandBarEvents(CommandBarControl& control) override;

private:
  DispatchObject object_;
};

} // namespace velmora::win32
