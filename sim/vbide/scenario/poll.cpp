#include "sim/vbide/scenario/poll.hpp"

namespace velmora::sim::vbide {

bool waitUntil(const std::function<bool()>& done, DWORD timeout) {
  constexpr DWORD kPause = 10;
  const ULONGLONG until = GetTickCount64() + timeout;
  for (;;) {
    if (done()) {
      return true;
    }
    if (GetTickCount64() >= until) {
      return false;
    }
    Sleep(kPause);
  }
}

} // namespace velmora::sim::vbide
