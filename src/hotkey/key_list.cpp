#include "hotkey/key_list.hpp"

#include "support/text.hpp"

namespace velmora {

namespace {

std::vector<KeyListEntry> buildKeyList() {
  std::vector<KeyListEntry> keys = {
      {u"BackSpace キー", 8},
      {u"↑ キー", 38},
      {u"↓ キー", 40},
      {u"← キー", 37},
      {u"→ キー", 39},
      {u"Page Down キー", 34},
      {u"Page Up キー", 33},
      {u"Delete キー", 46},
      {u"End キー", 35},
      {u"Esc キー", 27},
      {u"Home キー", 36},
      {u"Insert キー", 45},
      {u"Num Lock キー", 144},
      {u"Pause キー", 19},
      // 42 is what the key list has always stored for this key (not VK_SNAPSHOT, 44).
      {u"PrintScreen キー", 42},
      {u"Scroll Lock キー", 145},
  };
  for (int m = 1; m <= 16; ++m) {
    std::u16string name(u"F");
    name += decimal(m);
    name += u" キー";
    keys.push_back({std::move(name), 111 + m});
  }
  for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
    keys.push_back({std::u16string(1, letter), letter});
  }
  return keys;
}

} // namespace

const std::vector<KeyListEntry>& KeyList() {
  static const std::vector<KeyListEntry> keys = buildKeyList();
  return keys;
}

} // namespace velmora
