#pragma once

namespace velmora::win32 {

// Message parameters, window data and callback arguments carry handles and pointers as
// integers; this is the one place that turns them back.
template <typename Pointer, typename Integer> Pointer fromInteger(Integer value) {
  return reinterpret_cast<Pointer>(value); // NOLINT(performance-no-int-to-ptr)
}

} // namespace velmora::win32
