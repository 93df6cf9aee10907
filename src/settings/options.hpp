#pragma once

#include <cstdint>

namespace velmora {

// The four options; each is on exactly when its value is 1.
struct Options {
  std::int16_t intNon = 0;      // ask for a type when a prefix is not registered
  std::int16_t intTenmetsu = 0; // blink the declared name
  std::int16_t intComment = 0;  // ask for a trailing comment
  std::int16_t intImeMode = 0;  // input method on in the comment dialog

  static constexpr bool isOn(std::int16_t value) { return value == 1; }
};

} // namespace velmora
