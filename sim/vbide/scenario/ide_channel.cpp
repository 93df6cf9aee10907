#include "sim/vbide/scenario/ide_channel.hpp"

#include "sim/vbide/app/ide_request.hpp"
#include "sim/vbide/scenario/step_failure.hpp"

#include <memory>

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

void IdeChannel::post(std::function<std::string()> work) const {
  if (!postRequest(window_, std::make_shared<IdeRequest>(std::move(work)))) {
    throw StepFailure("the IDE's window takes no more messages");
  }
}

void IdeChannel::flushSent() const {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, timeout_, &result) == 0) {
    throw StepFailure("the IDE's thread did not answer within " + std::to_string(timeout_) + " ms");
  }
}

} // namespace velmora::sim::vbide
