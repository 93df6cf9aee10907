#include "sim/vbide/scenario/ide_channel.hpp"

#include "sim/vbide/app/ide_request.hpp"
#include "sim/vbide/scenario/poll.hpp"
#include "sim/vbide/scenario/step_failure.hpp"
#include "sim/vbide/scenario/window_search.hpp"

#include <algorithm>
#include <commctrl.h>
#include <memory>
#include <set>

namespace velmora::sim::vbide {

std::string IdeChannel::call(std::function<std::string()> work) const {
  auto request = std::make_shared<IdeRequest>(std::move(work));
  if (!postRequest(window_, request)) {
    throw StepFailure("the IDE's window takes no more messages");
  }
  if (WaitForSingleObject(request->done, timeout_) != WAIT_OBJECT_0) {
    throw StepFailure("the IDE did not get to the step within " + std::to_string(timeout_) +
                      " ms (is a dialog still open?)");
  }
  if (request->failed) {
    throw StepFailure(request->output);
  }
  return request->output;
}

void IdeChannel::callUnlessDialog(std::function<std::string()> work) const {
  const auto shown = [] {
    std::set<HWND> windows;
    for (HWND window : visibleTopLevelWindows()) {
      if (className(window) != TOOLTIPS_CLASSW) {
        windows.insert(window);
      }
    }
    return windows;
  };
  const std::set<HWND> before = shown();
  auto request = std::make_shared<IdeRequest>(std::move(work));
  if (!postRequest(window_, request)) {
    throw StepFailure("the IDE's window takes no more messages");
  }
  bool dialog = false;
  const bool ended = waitUntil(
      [&] {
        if (WaitForSingleObject(request->done, 0) == WAIT_OBJECT_0) {
          return true;
        }
        const std::set<HWND> now = shown();
        dialog = std::any_of(now.begin(), now.end(),
                             [&](HWND window) { return before.count(window) == 0; });
        return dialog;
      },
      timeout_);
  if (!ended) {
    throw StepFailure("the add-in neither returned nor opened a window within " +
                      std::to_string(timeout_) + " ms");
  }
  if (!dialog && request->failed) {
    throw StepFailure(request->output);
  }
}

void IdeChannel::flushSent() const {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, timeout_, &result) == 0) {
    throw StepFailure("the IDE's thread did not answer within " + std::to_string(timeout_) + " ms");
  }
}

} // namespace velmora::sim::vbide
