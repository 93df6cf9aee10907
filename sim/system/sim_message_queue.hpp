#pragma once

#include "ports/window_procedure.hpp"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace velmora::sim {

class SimWindows;

// A pump that keeps finding work after this many dispatches is taken for a message loop that
// never drains (a procedure that posts to itself for ever) and stopped with std::logic_error.
inline constexpr std::size_t kDispatchLimit = 100000;

// The message queue of one program's user-interface thread.
//
// Posted messages are dispatched oldest first to the current procedure of their window. A
// message posted while the queue is being dispatched joins the end of the queue and is handled
// by the same dispatch, as a PeekMessage loop picks up whatever arrives before the queue runs
// dry. A message whose window was destroyed after it was posted is dropped; one posted to no
// window (a thread message) is kept in threadMessages() instead of reaching any procedure.
class SimMessageQueue {
public:
  SimMessageQueue(SimWindows& windows, std::uint32_t threadId);
  SimMessageQueue(const SimMessageQueue&) = delete;
  SimMessageQueue& operator=(const SimMessageQueue&) = delete;

  std::uint32_t threadId() const { return threadId_; }

  // As PostMessage: to the queue of the window's owner, which may be another program; a message
  // for window 0 goes to this thread. False when the window does not exist.
  bool post(const WindowMessage& message);
  // As SendMessage: calls the window's current procedure at once; 0 when it does not exist.
  std::intptr_t send(const WindowMessage& message);
  // What the system does to deliver a posted message to this thread.
  void enqueue(const WindowMessage& message) { pending_.push_back(message); }

  // Takes the oldest message and dispatches it; false when the queue is empty.
  bool dispatchOne();
  // Dispatches until the queue is empty; returns the number of messages taken.
  std::size_t dispatchPending();

  // Inspection.
  const std::deque<WindowMessage>& pending() const { return pending_; }
  const std::vector<WindowMessage>& threadMessages() const { return threadMessages_; }
  std::size_t dropped() const { return dropped_; }

private:
  SimWindows& windows_;
  std::uint32_t threadId_;
  std::deque<WindowMessage> pending_;
  std::vector<WindowMessage> threadMessages_;
  std::size_t dropped_ = 0;
};

} // namespace velmora::sim
