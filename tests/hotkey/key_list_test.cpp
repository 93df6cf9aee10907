#include "hotkey/key_list.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora {
namespace {

// The key list as the user sees it: every text (a half-width blank before "キー", letters
// alone) with the virtual-key code stored for it, in the order the lists are filled.
TEST(KeyListTest, TheFiftyEightKeysWithTheirCodesInOrder) {
  std::vector<KeyListEntry> expected = {
      {u"BackSpace キー", 8},    {u"↑ キー", 38},      {u"↓ キー", 40},
      {u"← キー", 37},           {u"→ キー", 39},      {u"Page Down キー", 34},
      {u"Page Up キー", 33},     {u"Delete キー", 46}, {u"End キー", 35},
      {u"Esc キー", 27},         {u"Home キー", 36},   {u"Insert キー", 45},
      {u"Num Lock キー", 144},   {u"Pause キー", 19},  {u"PrintScreen キー", 42},
      {u"Scroll Lock キー", 145}};
  for (int n = 1; n <= 16; ++n) {
    const std::string digits = std::to_string(n);
    expected.push_back({u"F" + std::u16string(digits.begin(), digits.end()) + u" キー", 111 + n});
  }
  for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
    expected.push_back({std::u16string(1, letter), static_cast<std::int32_t>(letter)});
  }
  const std::vector<KeyListEntry>& keys = KeyList();
  ASSERT_EQ(keys.size(), 58U);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(keys[i].text, expected[i].text) << "entry " << i;
    EXPECT_EQ(keys[i].key, expected[i].key) << "entry " << i;
  }
}

} // namespace
} // namespace velmora
