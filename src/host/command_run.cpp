#include "host/command_run.hpp"

#include "support/error.hpp"

#include <algorithm>

namespace velmora {

void CommandRun::goOn() const {
  if (abandoned_) {
    throw CommandAbandoned{};
  }
}

void CommandRun::abandon() {
  abandoned_ = true;
  // Unloading ends a showing, which takes the form off the list: work on a copy.
  const std::vector<Form*> shown = shown_;
  for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
    if (std::find(shown_.begin(), shown_.end(), *it) == shown_.end() || (*it)->unloaded()) {
      continue;
    }
    try {
      (*it)->unload();
    } catch (const Error&) {
      // The form is gone all the same; its modal showing has ended.
    }
  }
}

void CommandRun::shown(Form& form) {
  shown_.push_back(&form);
}

void CommandRun::hidden(Form& form) {
  const auto it = std::find(shown_.rbegin(), shown_.rend(), &form);
  if (it != shown_.rend()) {
    shown_.erase(std::next(it).base());
  }
}

} // namespace velmora
