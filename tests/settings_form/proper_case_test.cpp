#include "settings/proper_case.hpp"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ProperCaseTest, WordsStartAtSpacesTabsAndLineBreaksOnly) {
  EXPECT_EQ(ProperCase(u" x\ty\r\nz\u3000w"), u" X\tY\r\nZ\u3000W");
  EXPECT_EQ(ProperCase(u"new_DATA(1)"), u"New_data(1)");
  EXPECT_EQ(ProperCase(u"_abc 1st"), u"_abc 1st") << "a word starting with no letter";
  EXPECT_EQ(ProperCase(u"ｓｔｒＩＮＧ 文字列型"), u"Ｓｔｒｉｎｇ 文字列型");
}

} // namespace
} // namespace velmora
