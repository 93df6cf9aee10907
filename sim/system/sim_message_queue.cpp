#include "sim/system/sim_message_queue.hpp"

#include "sim/system/sim_windows.hpp"

#include <stdexcept>

namespace velmora::sim {

SimMessageQueue::SimMessageQueue(SimWindows& windows, std::uint32_t threadId)
    : windows_(windows), threadId_(threadId) {}

bool SimMessageQueue::post(const WindowMessage& message) {
  if (message.window == 0) {
    enqueue(message);
    return true;
  }
  return windows_.post(message);
}

std::intptr_t SimMessageQueue::send(const WindowMessage& message) {
  return windows_.send(message);
}

bool SimMessageQueue::dispatchOne() {
  if (pending_.empty()) {
    return false;
  }
  const WindowMessage message = pending_.front();
  pending_.pop_front();
  if (message.window == 0) {
    threadMessages_.push_back(message);
  } else if (windows_.isWindow(message.window)) {
    windows_.send(message);
  } else {
    ++dropped_;
  }
  return true;
}

std::size_t SimMessageQueue::dispatchPending() {
  std::size_t count = 0;
  while (dispatchOne()) {
    if (++count >= kDispatchLimit) {
      throw std::logic_error("the message queue never drains");
    }
  }
  return count;
}

} // namespace velmora::sim
