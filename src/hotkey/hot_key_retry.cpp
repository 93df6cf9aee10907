#include "hotkey/hot_key_retry.hpp"

#include <algorithm>

namespace velmora {

HotKeyRetry::Outcome HotKeyRetry::start(const Attempt& attempt) {
  refused_.fill(true);
  rounds_ = 0;
  return round(attempt);
}

HotKeyRetry::Outcome HotKeyRetry::retry(const Attempt& attempt) {
  if (!pending()) {
    return Outcome::Registered;
  }
  return round(attempt);
}

void HotKeyRetry::cancel() {
  refused_.fill(false);
}

bool HotKeyRetry::pending() const {
  return std::ranges::any_of(refused_, [](bool refused) { return refused; });
}

HotKeyRetry::Outcome HotKeyRetry::round(const Attempt& attempt) {
  for (int n = 1; n <= kHotKeySlots; ++n) {
    bool& refused = refused_[static_cast<std::size_t>(n - 1)];
    if (refused) {
      refused = !attempt(n);
    }
  }
  ++rounds_;
  if (!pending()) {
    return Outcome::Registered;
  }
  if (rounds_ >= kHotKeyAttempts) {
    cancel();
    return Outcome::Failed;
  }
  return Outcome::Pending;
}

} // namespace velmora
