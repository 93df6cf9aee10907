#pragma once

#include <cstdint>

namespace velmora {

// The thread's message processing, and waiting.
class EventPump {
public:
  virtual ~EventPump() = default;

  // Dispatches the messages pending in the thread's queue, then returns.
  virtual void doEvents() = 0;
  // Blocks the thread for `milliseconds`.
  virtual void sleep(std::uint32_t milliseconds) = 0;
};

} // namespace velmora
