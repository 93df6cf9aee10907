#include "settings/profile_file.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/system/sim_file_store.hpp"
#include "temp_dir.hpp"

#include <gtest/gtest.h>
#include <optional>
#include <string>

// How the profile reader reads what hand editing leaves (blanks, quotes, comments, line ends,
// repeated and odd section headers, long values) is held against Wine's own reader in
// ProfileAgainstWine; here what that comparison does not reach.
namespace velmora {
namespace {

class ProfileRead : public ::testing::Test {
protected:
  ProfileFile file(const std::string& bytes) const {
    dir.write("r.ini", bytes);
    return {dir.file("r.ini"), codec, files};
  }

  testing::TempDir dir;
  sim::IconvAnsiCodec codec;
  mutable sim::SimFileStore files;
};

TEST_F(ProfileRead, NamesIgnoreOnlyAsciiCaseAndLinesAboveTheFirstHeaderHaveNoSection) {
  const ProfileFile names = file("[S]\r\nA\x83\x9F=greek\r\nb\x82\x60=fullwidth\r\n");
  EXPECT_EQ(names.getString(u"s", u"aΑ", 255), u"greek");
  EXPECT_EQ(names.getString(u"s", u"aα", 255), std::nullopt);
  EXPECT_EQ(names.getString(u"S", u"Bａ", 255), std::nullopt);

  ProfileFile above = file("pre=1\r\n[S]\r\nk=2\r\n[]\r\nlater=3\r\n");
  EXPECT_EQ(above.getString(u"", u"pre", 255), u"1");
  EXPECT_EQ(above.getString(u" ", u"k", 255), std::nullopt);
  EXPECT_EQ(above.getString(u"", u"later", 255), std::nullopt);
  EXPECT_EQ(above.getString(u"S", u"pre", 255), std::nullopt);
  EXPECT_TRUE(above.clearSection(u""));
  EXPECT_EQ(dir.read("r.ini"), "pre=1\r\n[S]\r\nk=2\r\n[]\r\nlater=3\r\n");
}

// Values are cut to the buffer size less one byte, never inside a double-byte character.
TEST_F(ProfileRead, LongValuesAreCutBetweenCharacters) {
  const ProfileFile profile = file("[S]\r\nlong=" + std::string(300, 'a') + "\r\ndbcs=eee\x93\xfa" +
                                   "\r\nquoted=\"" + std::string(254, 'q') + "\"\r\n");
  EXPECT_EQ(profile.getString(u"S", u"long", 255), std::u16string(254, u'a'));
  EXPECT_EQ(profile.getString(u"S", u"dbcs", 5), u"eee");
  EXPECT_EQ(profile.getString(u"S", u"dbcs", 6), u"eee日");
  EXPECT_EQ(profile.getString(u"S", u"quoted", 255), std::u16string(254, u'q'));
  EXPECT_EQ(profile.getString(u"S", u"long", 0), u"");
}

} // namespace
} // namespace velmora
