#pragma once

#include "host/command_run.hpp"
#include "ports/event_pump.hpp"

namespace velmora {

// The thread's message processing as a running command sees it: once the messages it dispatched
// abandoned the run, doEvents throws CommandAbandoned.
class CommandPump final : public EventPump {
public:
  CommandPump(EventPump& pump, const CommandRun& run) : pump_(pump), run_(run) {}

  void doEvents() override;
  void sleep(std::uint32_t milliseconds) override { pump_.sleep(milliseconds); }

private:
  EventPump& pump_;
  const CommandRun& run_;
};

} // namespace velmora
