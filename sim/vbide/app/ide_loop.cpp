#include "sim/vbide/app/ide_loop.hpp"

namespace velmora::sim::vbide {

int IdeLoop::run(const std::function<void()>& idle) {
  MSG message{};
  for (;;) {
    drain();
    if (idle) {
      idle();
    }
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      break;
    }
    if (message.message == kIdeRequestMessage) {
      accept(takeRequest(message.lParam));
      continue;
    }
    const Busy inside(*this);
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void IdeLoop::accept(std::shared_ptr<IdeRequest> request) {
  if (busy()) {
    waiting_.push_back(std::move(request));
    return;
  }
  perform(request);
}

void IdeLoop::drain() {
  while (!busy() && !waiting_.empty()) {
    auto next = std::move(waiting_.front());
    waiting_.pop_front();
    perform(next);
  }
}

void IdeLoop::perform(const std::shared_ptr<IdeRequest>& request) {
  const Busy inside(*this);
  request->perform();
}

} // namespace velmora::sim::vbide
