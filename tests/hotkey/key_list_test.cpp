#include "hotkey/key_list.hpp"

#include <gtest/gtest.h>
#include <set>

namespace velmora {
namespace {

TEST(KeyListTest, FiftyEightKeysInTheirOrderWithTheirCodes) {
  const auto& keys = KeyList();
  ASSERT_EQ(keys.size(), 58U);
  EXPECT_EQ(keys.front().text, u"BackSpace キー");
  EXPECT_EQ(keys.front().key, 8);
  EXPECT_EQ(keys[1].text, u"↑ キー");
  EXPECT_EQ(keys[1].key, 38);
  EXPECT_EQ(keys[14].text, u"PrintScreen キー");
  EXPECT_EQ(keys[14].key, 42);
  EXPECT_EQ(keys[15].text, u"Scroll Lock キー");
  EXPECT_EQ(keys[15].key, 145);
  EXPECT_EQ(keys[16].text, u"F1 キー");
  EXPECT_EQ(keys[16].key, 112);
  EXPECT_EQ(keys[31].text, u"F16 キー");
  EXPECT_EQ(keys[31].key, 127);
  EXPECT_EQ(keys[32].text, u"A");
  EXPECT_EQ(keys[32].key, 65);
  EXPECT_EQ(keys.back().text, u"Z");
  EXPECT_EQ(keys.back().key, 90);

  std::set<std::int32_t> codes;
  for (const auto& entry : keys) {
    codes.insert(entry.key);
    EXPECT_FALSE(entry.key >= '0' && entry.key <= '9') << "no digit keys";
  }
  EXPECT_EQ(codes.size(), keys.size()) << "every code once";
}

} // namespace
} // namespace velmora
