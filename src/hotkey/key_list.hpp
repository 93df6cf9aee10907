#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// One key the user can choose for a hotkey: the text shown and the virtual-key code stored.
struct KeyListEntry {
  std::u16string text;
  std::int32_t key = 0;
};

// The 58 keys offered in every key list, in the order in which the lists are filled: the
// editing and cursor keys, F1 to F16, then the letters A to Z. There are no digits, and no entry
// stands for "no key".
const std::vector<KeyListEntry>& KeyList();

} // namespace velmora
