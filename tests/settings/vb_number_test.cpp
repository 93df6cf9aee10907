#include "settings/vb_number.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

#include <gtest/gtest.h>
#include <string>

// Plain decimal numbers are held against a reference by the vb_number fuzz target; here the
// forms it does not check.
namespace velmora {
namespace {

std::u16string failure(std::u16string_view text, bool wide = false) {
  try {
    static_cast<void>(wide ? CLngFromText(text) : CIntFromText(text));
  } catch (const Error& error) {
    return error.description();
  }
  return u"(converted)";
}

TEST(VbNumber, ExponentsLongFractionsHexAndOctal) {
  EXPECT_EQ(CIntFromText(u"1e3"), 1000);
  EXPECT_EQ(CIntFromText(u"2.5000000000000000001"), 3);
  EXPECT_EQ(CIntFromText(u"2.49999999999999999999"), 2);
  EXPECT_EQ(CIntFromText(u" &hff "), 255);
  EXPECT_EQ(CIntFromText(u"&HFFFF"), -1);
  EXPECT_EQ(CIntFromText(u"&17"), 15);
  EXPECT_EQ(CLngFromText(u"&HFFFF"), 65535);
  EXPECT_EQ(CLngFromText(u"&HFFFFFFFF"), -1);
}

TEST(VbNumber, TextThatIsNoNumberIsATypeMismatchAndTooLargeOverflows) {
  for (const std::u16string_view text :
       {u"abc", u"", u"1e", u"&HG", u"&18", u"-&H10", u"1,000", u"１２", u"\u30001", u"0x10"}) {
    EXPECT_EQ(failure(text), kTypeMismatchDescription) << toUtf8(text);
  }
  EXPECT_EQ(failure(u"x", true), u"型が一致しません。");
  for (const std::u16string_view text : {u"1e5", u"&H10000", u"99999999999999999999999"}) {
    EXPECT_EQ(failure(text), kOverflowDescription) << toUtf8(text);
  }
  EXPECT_EQ(failure(u"2147483648", true), u"オーバーフローしました。");
  EXPECT_EQ(failure(u"&H100000000", true), kOverflowDescription);
}

} // namespace
} // namespace velmora
