#include "settings_file_fixture.hpp"

#include <gtest/gtest.h>
#include <optional>
#include <string>

// How the profile reader reads what hand editing leaves (blanks, quotes, comments, line ends,
// repeated and odd section headers, long values) is held against Wine's own reader in
// ProfileAgainstWine; here what that comparison does not reach.
namespace velmora {
namespace {

using ProfileRead = testing::SettingsFileFixture;

TEST_F(ProfileRead, NamesIgnoreOnlyAsciiCaseAndLinesAboveTheFirstHeaderHaveNoSection) {
  const ProfileFile names = open("[S]\r\nA\x83\x9F=greek\r\nb\x82\x60=fullwidth\r\n");
  EXPECT_EQ(names.getString(u"s", u"aΑ", 255), u"greek");
  EXPECT_EQ(names.getString(u"s", u"aα", 255), std::nullopt);
  EXPECT_EQ(names.getString(u"S", u"Bａ", 255), std::nullopt);

  ProfileFile above = open("pre=1\r\n[S]\r\nk=2\r\n[]\r\nlater=3\r\n");
  EXPECT_EQ(above.getString(u"", u"pre", 255), u"1");
  EXPECT_EQ(above.getString(u" ", u"k", 255), std::nullopt);
  EXPECT_EQ(above.getString(u"", u"later", 255), std::nullopt);
  EXPECT_EQ(above.getString(u"S", u"pre", 255), std::nullopt);
  EXPECT_TRUE(above.clearSection(u""));
  EXPECT_EQ(dir.read("w.ini"), "pre=1\r\n[S]\r\nk=2\r\n[]\r\nlater=3\r\n");
}

// Values are cut to the buffer size less one byte, never inside a double-byte character.
TEST_F(ProfileRead, LongValuesAreCutBetweenCharacters) {
  const ProfileFile profile = open("[S]\r\nlong=" + std::string(300, 'a') + "\r\ndbcs=eee\x93\xfa" +
                                   "\r\nquoted=\"" + std::string(254, 'q') + "\"\r\n");
  EXPECT_EQ(profile.getString(u"S", u"long", 255), std::u16string(254, u'a'));
  EXPECT_EQ(profile.getString(u"S", u"dbcs", 5), u"eee");
  EXPECT_EQ(profile.getString(u"S", u"dbcs", 6), u"eee日");
  EXPECT_EQ(profile.getString(u"S", u"quoted", 255), std::u16string(254, u'q'));
  EXPECT_EQ(profile.getString(u"S", u"long", 0), u"");
}

} // namespace
} // namespace velmora
