#include "settings/profile_file.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/system/sim_file_store.hpp"
#include "temp_dir.hpp"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace velmora {
namespace {

// A file in code page 932 with the oddities that the profile functions have a rule for. The
// expected reads are what GetPrivateProfileStringA returned for this file under Wine (code
// page 932).
const std::string kOddFile = "; leading comment\r\n"
                             "[Velmora]\r\n"
                             "  Key1  =   value with spaces   \r\n"
                             "key2=\"quoted\"\r\n"
                             "key3= \"  inner spaces \" \r\n"
                             "key4='single'\r\n"
                             "key5=\"unbalanced\r\n"
                             "key6=\t tabbed\t \r\n"
                             "noequals\r\n"
                             ";comment=val\r\n"
                             "key7=a;b\r\n"
                             "key8=\r\n"
                             "key9=\"\r\n"
                             "key10=\"\"\r\n"
                             "dup=first\r\n"
                             "dup=second\r\n"
                             "fw=\x81\x40\x91\x53\x8A\x70\x81\x40\r\n"
                             "fwk\x81\x40=fullwidth-space key\r\n"
                             "k e y=inner space key\r\n"
                             "\tkeytab\t=tab around key\r\n"
                             "key12 = a = b\r\n"
                             " = emptyname\r\n"
                             "lf=lf only\nafterlf=x\n"
                             "cr=cr only\rafter_cr=y\r\n"
                             "eof=\x1a\r\n"
                             "[ velmora2 ]\r\n"
                             "x=1\r\n"
                             "[VELMORA]\r\n"
                             "key11=in second same-name section\r\n"
                             "dup=third\r\n"
                             "[Other] trailing junk\r\n"
                             "y=2\r\n"
                             "  [Indented]\r\n"
                             "w=4\r\n"
                             "[a]b]\r\n"
                             "v=5\r\n"
                             "[broken\r\n"
                             "z=3\r\n"
                             "[\x93\xfa\x96\x7b]\r\n"
                             "jp=\x93\xfa\x96\x7b\x8c\xea\r\n";

class ProfileRead : public ::testing::Test {
protected:
  void SetUp() override { dir.write("odd.ini", kOddFile); }

  std::optional<std::u16string> get(std::u16string_view section, std::u16string_view key,
                                    std::size_t bufferSize = 255) const {
    return ProfileFile(dir.file("odd.ini"), codec, files).getString(section, key, bufferSize);
  }

  testing::TempDir dir;
  sim::IconvAnsiCodec codec;
  mutable sim::SimFileStore files;
};

TEST_F(ProfileRead, TrimsBlanksAndQuotesAsWindowsDoes) {
  EXPECT_EQ(get(u"Velmora", u"Key1"), u"value with spaces");
  EXPECT_EQ(get(u"velmora", u" KEY1 "), u"value with spaces");
  EXPECT_EQ(get(u"Velmora", u"key2"), u"quoted");
  EXPECT_EQ(get(u"Velmora", u"key3"), u"  inner spaces ");
  EXPECT_EQ(get(u"Velmora", u"key4"), u"single");
  EXPECT_EQ(get(u"Velmora", u"key5"), u"\"unbalanced");
  EXPECT_EQ(get(u"Velmora", u"key6"), u"tabbed");
  EXPECT_EQ(get(u"Velmora", u"keytab"), u"tab around key");
  EXPECT_EQ(get(u"Velmora", u"key8"), u"");
  EXPECT_EQ(get(u"Velmora", u"key9"), u"\"");
  EXPECT_EQ(get(u"Velmora", u"key10"), u"");
  EXPECT_EQ(get(u"Velmora", u"key12"), u"a = b");
  EXPECT_EQ(get(u"Velmora", u"eof"), u"");
  // The ideographic space is no blank, in values or in names.
  EXPECT_EQ(get(u"Velmora", u"fw"), u"\u3000全角\u3000");
  EXPECT_EQ(get(u"Velmora", u"fwk\u3000"), u"fullwidth-space key");
  EXPECT_EQ(get(u"Velmora", u"fwk"), std::nullopt);
  EXPECT_EQ(get(u"Velmora", u"k e y"), u"inner space key");
}

TEST_F(ProfileRead, CommentsAndLinesWithoutEqualsAreNotSpecial) {
  EXPECT_EQ(get(u"Velmora", u"noequals"), std::nullopt);
  EXPECT_EQ(get(u"Velmora", u";comment"), u"val");
  EXPECT_EQ(get(u"Velmora", u"key7"), u"a;b");
  EXPECT_EQ(get(u"Velmora", u""), u"emptyname");
}

TEST_F(ProfileRead, LinesEndAtCrLfOrEitherAlone) {
  EXPECT_EQ(get(u"Velmora", u"lf"), u"lf only");
  EXPECT_EQ(get(u"Velmora", u"afterlf"), u"x");
  EXPECT_EQ(get(u"Velmora", u"cr"), u"cr only");
  EXPECT_EQ(get(u"Velmora", u"after_cr"), u"y");
}

TEST_F(ProfileRead, OnlyTheFirstSectionAndKeyOfANameCount) {
  EXPECT_EQ(get(u"Velmora", u"dup"), u"first");
  EXPECT_EQ(get(u"Velmora", u"key11"), std::nullopt);
}

TEST_F(ProfileRead, SectionHeadersEndAtTheLastBracket) {
  EXPECT_EQ(get(u"velmora2", u"x"), u"1");
  EXPECT_EQ(get(u" velmora2 ", u"x"), u"1");
  EXPECT_EQ(get(u"Other", u"y"), u"2");
  EXPECT_EQ(get(u"Indented", u"w"), u"4");
  EXPECT_EQ(get(u"a]b", u"v"), u"5");
  EXPECT_EQ(get(u"a", u"v"), std::nullopt);
  // "[broken" is no header: z belongs to the section above it.
  EXPECT_EQ(get(u"broken", u"z"), std::nullopt);
  EXPECT_EQ(get(u"a]b", u"z"), u"3");
  EXPECT_EQ(get(u"日本", u"jp"), u"日本語");
  EXPECT_EQ(get(u"nosection", u"x"), std::nullopt);
}

TEST_F(ProfileRead, NamesIgnoreOnlyAsciiCase) {
  dir.write("case.ini", "[S]\r\nA\x83\x9F=greek\r\nb\x82\x60=fullwidth\r\n");
  const ProfileFile file(dir.file("case.ini"), codec, files);
  EXPECT_EQ(file.getString(u"s", u"aΑ", 255), u"greek");
  EXPECT_EQ(file.getString(u"s", u"aα", 255), std::nullopt);
  EXPECT_EQ(file.getString(u"S", u"Bａ", 255), std::nullopt);
}

TEST_F(ProfileRead, LinesAboveTheFirstHeaderHaveTheEmptySectionName) {
  dir.write("pre.ini", "pre=1\r\n[S]\r\nk=2\r\n[]\r\nlater=3\r\n");
  ProfileFile file(dir.file("pre.ini"), codec, files);
  EXPECT_EQ(file.getString(u"", u"pre", 255), u"1");
  EXPECT_EQ(file.getString(u" ", u"k", 255), std::nullopt);
  EXPECT_EQ(file.getString(u"", u"later", 255), std::nullopt);
  EXPECT_EQ(file.getString(u"S", u"pre", 255), std::nullopt);
  EXPECT_TRUE(file.clearSection(u""));
  EXPECT_EQ(dir.read("pre.ini"), "pre=1\r\n[S]\r\nk=2\r\n[]\r\nlater=3\r\n");
}

TEST_F(ProfileRead, MissingFileReadsAsMissing) {
  EXPECT_EQ(ProfileFile(dir.file("none.ini"), codec, files).getString(u"Velmora", u"Key1", 255),
            std::nullopt);
}

// Values are cut to the buffer size less one byte, never inside a double-byte character.
TEST_F(ProfileRead, LongValuesAreCutBetweenCharacters) {
  const std::string day = "\x93\xfa"; // 日
  std::string file = "[S]\r\n";
  file += "long=" + std::string(300, 'a') + "\r\n";
  file += "l254=" + std::string(254, 'b') + "\r\n";
  file += "dbcs253=" + std::string(253, 'd') + day + "\r\n";
  file += "dbcs252=" + std::string(252, 'e') + day + "\r\n";
  file += "quoted=\"" + std::string(254, 'q') + "\"\r\n";
  dir.write("long.ini", file);
  const ProfileFile profile(dir.file("long.ini"), codec, files);
  EXPECT_EQ(profile.getString(u"S", u"long", 255), std::u16string(254, u'a'));
  EXPECT_EQ(profile.getString(u"S", u"l254", 255), std::u16string(254, u'b'));
  EXPECT_EQ(profile.getString(u"S", u"dbcs253", 255), std::u16string(253, u'd'));
  EXPECT_EQ(profile.getString(u"S", u"dbcs252", 255), std::u16string(252, u'e') + u"日");
  EXPECT_EQ(profile.getString(u"S", u"quoted", 255), std::u16string(254, u'q'));
  EXPECT_EQ(profile.getString(u"S", u"dbcs252", 4), u"eee");
  EXPECT_EQ(profile.getString(u"S", u"long", 0), u"");
}

} // namespace
} // namespace velmora
