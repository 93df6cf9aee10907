#pragma once

#include "sim/vbide/app/ide_request.hpp"

#include <deque>
#include <functional>
#include <memory>
#include <windows.h>

namespace velmora::sim::vbide {

// The IDE's message loop, which knows whether the IDE's thread is inside a call (a message
// being dispatched, a call into an add-in, a request): requests that arrive then, through the
// message loop of a dialog the add-in runs, wait until the outermost call has returned. So a
// request sees the IDE as the user sees it between two actions, never half-way through one.
class IdeLoop {
public:
  // Marks the thread as inside a call for the scope's lifetime.
  class Busy {
  public:
    explicit Busy(IdeLoop& loop) : loop_(loop) { ++loop_.depth_; }
    ~Busy() { --loop_.depth_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

  private:
    IdeLoop& loop_;
  };

  // Runs until WM_QUIT and returns its exit code. `idle` runs whenever the thread is back at the
  // top of the loop.
  int run(const std::function<void()>& idle);

  bool busy() const { return depth_ > 0; }
  // A request for the thread: performed now when the thread is idle, else when it gets there.
  void accept(std::shared_ptr<IdeRequest> request);
  // Performs the waiting requests, if the thread is idle.
  void drain();

private:
  void perform(const std::shared_ptr<IdeRequest>& request);

  int depth_ = 0;
  std::deque<std::shared_ptr<IdeRequest>> waiting_;
};

} // namespace velmora::sim::vbide
