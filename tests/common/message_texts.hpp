#pragma once

#include "sim/forms/scripted_toolkit.hpp"

#include <string>
#include <vector>

namespace velmora::testing {

// The texts of the message boxes the scripted toolkit has shown, in order.
inline std::vector<std::u16string> messageTexts(const sim::ScriptedToolkit& toolkit) {
  std::vector<std::u16string> texts;
  for (const Message& message : toolkit.messages()) {
    texts.push_back(message.text);
  }
  return texts;
}

} // namespace velmora::testing
