#include "support/text.hpp"
#include "support/utf.hpp"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Text, TrimRemovesOnlyAsciiSpaces) {
  EXPECT_EQ(trimSpaces(u"  a b  "), u"a b");
  EXPECT_EQ(trimSpaces(u"\tx\t "), u"\tx\t");
  EXPECT_EQ(trimSpaces(u"\u3000x"), u"\u3000x");
  EXPECT_TRUE(isBlank(u"   "));
  EXPECT_FALSE(isBlank(u" \t "));
}

TEST(Text, Utf8RoundTripKeepsJapaneseAndSurrogates) {
  const std::u16string text = u"ｶｰｿﾙ 変数 \U0001F600";
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);
  EXPECT_EQ(toUtf8(u"ベルモラ"), "ベルモラ");
  for (char16_t c : fromUtf8("\xE3\x81")) {
    EXPECT_EQ(c, u'\uFFFD');
  }
}

} // namespace
} // namespace velmora
