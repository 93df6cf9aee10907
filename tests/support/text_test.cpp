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

// No character comes out of bytes that do not spell it in UTF-8: an overlong form of a line feed
// is no line feed. One U+FFFD stands for each longest start of a well-formed sequence.
TEST(Text, Utf8DecodingReplacesEveryMalformedSequence) {
  const std::u16string r = u"\uFFFD";
  const struct {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"\xC0\x8A", r + r},                 // overlong U+000A
      {"\xC1\xBF", r + r},                 // overlong U+007F
      {"\xE0\x80\x8A", r + r + r},         // overlong in three bytes
      {"\xE0\x9F\xBF", r + r + r},         // overlong U+07FF
      {"\xF0\x80\x80\x8A", r + r + r + r}, // overlong in four bytes
      {"\xF0\x8F\xBF\xBF", r + r + r + r}, // overlong U+FFFF
      {"\xED\xA0\x80", r + r + r},         // an encoded high surrogate
      {"\xED\xBF\xBF", r + r + r},         // an encoded low surrogate
      {"\xF4\x90\x80\x80", r + r + r + r}, // U+110000
      {"\xF5\x80\x80\x80", r + r + r + r}, // a lead byte of no sequence
      {"\xFF\xFE", r + r},                 // bytes of no sequence at all
      {"\x80z", r + u"z"},                 // a stray continuation byte
      {"\xE3\x81z", r + u"z"},             // a cut sequence is one U+FFFD
      {"\xF0\x9F\x98", r},                 // cut at the end
      {"String\xC0\x8A\xC0\x8D"
       "End Sub",
       u"String" + r + r + r + r + u"End Sub"},
      {"\xC2\x80\xDF\xBF", u"\u0080\u07FF"}, // the bounds of each length are kept
      {"\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF", u"\u0800\uD7FF\uE000\uFFFF"},
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", u"\U00010000\U0010FFFF"},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(fromUtf8(each.bytes), each.text) << ::testing::PrintToString(each.bytes);
  }
  const std::u16string text = u"ｶｰｿﾙ 変数 \U0001F600";
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);
  const std::u16string loneSurrogates = {u'a', 0xD800, u'b', 0xDC00};
  EXPECT_EQ(toUtf8(loneSurrogates), "a\xEF\xBF\xBD"
                                    "b\xEF\xBF\xBD");
}

} // namespace
} // namespace velmora
