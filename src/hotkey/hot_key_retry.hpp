#pragma once

#include "hotkey/hot_key.hpp"

#include <array>
#include <cstdint>
#include <functional>

namespace velmora {

// A refused hotkey is tried this many times in all, this many milliseconds apart.
inline constexpr int kHotKeyAttempts = 11;
inline constexpr std::int32_t kHotKeyRetryInterval = 500;

// The registration of the four hotkeys when the application becomes active, in rounds that the
// caller runs from a timer, so that nothing ever waits: the first round tries every slot, each
// later round (one per retry interval) the slots still refused, until every slot is registered
// or each refused one has been tried kHotKeyAttempts times.
class HotKeyRetry {
public:
  // Tries to register slot n; true when it is registered.
  using Attempt = std::function<bool(int n)>;
  enum class Outcome {
    Registered, // every slot is registered; no round is left
    Pending,    // a slot was refused and will be tried in the next round
    Failed      // a slot was still refused in the last round; no round is left
  };

  // The first round, over slots 1 to 4; an earlier run is forgotten.
  Outcome start(const Attempt& attempt);
  // The next round over the refused slots (Registered when none is left).
  Outcome retry(const Attempt& attempt);
  // Forgets the refused slots: no round is left.
  void cancel();
  bool pending() const;

private:
  Outcome round(const Attempt& attempt);

  std::array<bool, kHotKeySlots> refused_{};
  int rounds_ = 0;
};

} // namespace velmora
