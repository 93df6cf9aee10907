#pragma once

#include "support/error.hpp"

#include <string>

namespace velmora::sim {

// The description of the `E` that `action` throws, or "(no error)".
template <typename E = Error, typename Action> std::u16string failureOf(const Action& action) {
  try {
    action();
  } catch (const E& error) {
    return error.description();
  }
  return u"(no error)";
}

} // namespace velmora::sim
