#include "settings/vb_number.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

#include <gtest/gtest.h>
#include <string>

namespace velmora {
namespace {

std::u16string failure(std::u16string_view text, bool wide = false) {
  try {
    if (wide) {
      CLngFromText(text);
    } else {
      CIntFromText(text);
    }
  } catch (const Error& error) {
    return error.description();
  }
  return u"(converted)";
}

TEST(VbNumber, DecimalTextWithSpacesSignAndExponent) {
  EXPECT_EQ(CIntFromText(u" 0 "), 0);
  EXPECT_EQ(CIntFromText(u"2"), 2);
  EXPECT_EQ(CIntFromText(u"\t-15\t"), -15);
  EXPECT_EQ(CIntFromText(u"+007"), 7);
  EXPECT_EQ(CIntFromText(u"5."), 5);
  EXPECT_EQ(CIntFromText(u"1e3"), 1000);
  EXPECT_EQ(CIntFromText(u"125E-1"), 12);
  EXPECT_EQ(CIntFromText(u"0e999999999999"), 0);
  EXPECT_EQ(CIntFromText(u"-32768"), -32768);
  EXPECT_EQ(CIntFromText(u"32767"), 32767);
  EXPECT_EQ(CLngFromText(u"-2147483648"), -2147483647 - 1);
  EXPECT_EQ(CLngFromText(u"68"), 68);
}

TEST(VbNumber, FractionsRoundHalfToEven) {
  EXPECT_EQ(CIntFromText(u"0.5"), 0);
  EXPECT_EQ(CIntFromText(u"1.5"), 2);
  EXPECT_EQ(CIntFromText(u"2.5"), 2);
  EXPECT_EQ(CIntFromText(u"2.5000000000000000001"), 3);
  EXPECT_EQ(CIntFromText(u"2.49999999999999999999"), 2);
  EXPECT_EQ(CIntFromText(u"-3.5"), -4);
  EXPECT_EQ(CIntFromText(u"-0.5"), 0);
  EXPECT_EQ(CIntFromText(u".6"), 1);
  EXPECT_EQ(CIntFromText(u"0.05"), 0);
  EXPECT_EQ(CIntFromText(u"32767.4"), 32767);
  EXPECT_EQ(CIntFromText(u"-32768.5"), -32768);
}

TEST(VbNumber, HexAndOctalAreBitPatterns) {
  EXPECT_EQ(CIntFromText(u"&H10"), 16);
  EXPECT_EQ(CIntFromText(u" &hff "), 255);
  EXPECT_EQ(CIntFromText(u"&HFFFF"), -1);
  EXPECT_EQ(CIntFromText(u"&H8000"), -32768);
  EXPECT_EQ(CIntFromText(u"&O17"), 15);
  EXPECT_EQ(CIntFromText(u"&17"), 15);
  EXPECT_EQ(CLngFromText(u"&HFFFF"), 65535);
  EXPECT_EQ(CLngFromText(u"&HFFFFFFFF"), -1);
  EXPECT_EQ(CLngFromText(u"&H0000000000044"), 68);
}

TEST(VbNumber, TextThatIsNoNumberIsATypeMismatch) {
  for (const std::u16string_view text :
       {u"abc", u"", u"   ", u"1a", u"- 5", u"--5", u".", u"1e", u"1e+", u"&H", u"&HG", u"&18",
        u"-&H10", u"1,000", u"True", u"5%", u"１２", u"\u30001", u"0x10"}) {
    EXPECT_EQ(failure(text), kTypeMismatchDescription) << toUtf8(text);
  }
  EXPECT_EQ(failure(u"x", true), u"型が一致しません。");
}

TEST(VbNumber, NumbersOutsideTheTypeOverflow) {
  for (const std::u16string_view text : {u"32768", u"-32769", u"32767.5", u"-32768.51", u"1e5",
                                         u"&H10000", u"99999999999999999999999"}) {
    EXPECT_EQ(failure(text), kOverflowDescription) << toUtf8(text);
  }
  EXPECT_EQ(failure(u"2147483648", true), u"オーバーフローしました。");
  EXPECT_EQ(failure(u"&H100000000", true), kOverflowDescription);
  EXPECT_EQ(CLngFromText(u"32768"), 32768);
}

} // namespace
} // namespace velmora
