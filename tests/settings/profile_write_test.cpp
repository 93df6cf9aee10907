#include "settings_file_fixture.hpp"
#include "utf16_file.hpp"

#include <gtest/gtest.h>
#include <string>

namespace velmora {
namespace {

using testing::utf16File;

using ProfileWrite = testing::SettingsFileFixture;

// A value is replaced, a key line without "=" given one, a new key goes after its section's last
// line and a new section at the end, and every other byte stays (a missing file is created:
// ConnectionTest.WithoutASettingsFile...).
TEST_F(ProfileWrite, WritesEachValueWhereItBelongsAndKeepsEveryOtherByte) {
  const std::string before = "; top comment\n[Other]\r\nx = 1 \r\n\r\n[Velmora]\r\n  Key1 = 68\r\n"
                             "; inner\nflag  \r\nk =   v  \r\n\r\n\r\n[Last]\r\ny=2";
  ProfileFile profile = open(before);
  EXPECT_EQ(profile.getString(u"Velmora", u"flag", 255), std::nullopt);
  EXPECT_TRUE(profile.writeString(u"Velmora", u"K", u"v"));
  EXPECT_TRUE(profile.clearSection(u"Missing"));
  EXPECT_EQ(dir.read("w.ini"), before) << "nothing to change";
  EXPECT_TRUE(profile.writeString(u"VELMORA", u"key1", u"70"));
  EXPECT_TRUE(profile.writeString(u"Velmora", u"flag", u"on"));
  EXPECT_TRUE(profile.writeString(u"velmora", u"new", u"n"));
  EXPECT_TRUE(profile.writeString(u"Added", u"j", u"日本"));
  EXPECT_EQ(dir.read("w.ini"),
            "; top comment\n[Other]\r\nx = 1 \r\n\r\n[Velmora]\r\n  Key1 = 70\r\n"
            "; inner\nflag=on\r\nk =   v  \r\nnew=n\r\n\r\n\r\n[Last]\r\ny=2\r\n"
            "[Added]\r\nj=\x93\xfa\x96\x7b\r\n");
  EXPECT_EQ(profile.getString(u"added", u"J", 255), u"日本");
}

TEST_F(ProfileWrite, RefusesTextThatWouldReadBackAsOtherKeys) {
  ProfileFile profile = open("[S]\r\na=1\r\n");
  EXPECT_FALSE(profile.writeString(u"S", u"inj", u"x\nevil=1"));
  EXPECT_FALSE(profile.writeString(u"S", u"a=b", u"1"));
  EXPECT_FALSE(profile.writeString(u"S", u"[T]", u"1"));
  EXPECT_FALSE(profile.writeString(u"S\r\n[T", u"k", u"1"));
  EXPECT_FALSE(profile.writeString(u"S", u"  ", u"1"));
  EXPECT_FALSE(profile.writeString(u" ", u"k", u"1"));
  EXPECT_EQ(dir.read("w.ini"), "[S]\r\na=1\r\n");
  // Like a C string, a value ends at a NUL.
  EXPECT_TRUE(profile.writeString(u"S", u"a", std::u16string(u"2\0tail", 6)));
  EXPECT_EQ(dir.read("w.ini"), "[S]\r\na=2\r\n");
}

TEST_F(ProfileWrite, OnlyTheFirstSectionOfANameIsClearedAndWritten) {
  ProfileFile profile = open("; top\r\n[Velmora]\r\na=1\r\n; inner comment\r\nb = 2\r\n\r\n"
                             "[Next]\r\nc=3\r\n[velmora]\r\nd=4\r\na=9");
  EXPECT_TRUE(profile.clearSection(u"VELMORA"));
  EXPECT_EQ(dir.read("w.ini"),
            "; top\r\n[Velmora]\r\n\r\n[Next]\r\nc=3\r\n[velmora]\r\nd=4\r\na=9");
  // The later section is never searched: its keys read as missing and are written anew into the
  // first one.
  EXPECT_EQ(profile.getString(u"Velmora", u"a", 255), std::nullopt);
  EXPECT_EQ(profile.getString(u"Velmora", u"d", 255), std::nullopt);
  EXPECT_TRUE(profile.writeString(u"Velmora", u"a", u"5"));
  EXPECT_TRUE(profile.clearSection(u"Velmora") && profile.writeString(u"Velmora", u"d", u"6"));
  EXPECT_EQ(dir.read("w.ini"),
            "; top\r\n[Velmora]\r\nd=6\r\n\r\n[Next]\r\nc=3\r\n[velmora]\r\nd=4\r\na=9");
}

TEST_F(ProfileWrite, FileWithUtf8ByteOrderMarkStaysUtf8) {
  ProfileFile profile = open("\xEF\xBB\xBF[S]\r\nk=\xE6\x97\xA5\r\n");
  EXPECT_EQ(profile.getString(u"S", u"k", 255), u"日");
  EXPECT_TRUE(profile.writeString(u"S", u"m", u"本"));
  EXPECT_EQ(dir.read("w.ini"), "\xEF\xBB\xBF[S]\r\nk=\xE6\x97\xA5\r\nm=\xE6\x9C\xAC\r\n");
}

TEST_F(ProfileWrite, AUtf16FileIsReadAndWrittenBackInUtf16ByteForByteButTheChange) {
  // Blank lines, spaces, a line without an end, a character beyond the code page, one that needs
  // a surrogate pair and an unpaired surrogate in a comment: all must come back unit for unit.
  const std::u16string before = u"; 設定 \xD83D tail\r\n"
                                u"\r\n"
                                u"[Velmora]\r\n"
                                u"  SettouChar1 = 文字 \r\n"
                                u"Kata1=String\n"
                                u"\r\n"
                                u"[Other]\r\n"
                                u"x=é😀";
  ProfileFile profile = open(utf16File(before));
  EXPECT_EQ(profile.getString(u"velmora", u"settouchar1", 255), u"文字");
  EXPECT_EQ(profile.getString(u"Other", u"x", 255), u"é😀");

  EXPECT_TRUE(profile.writeString(u"Velmora", u"Kata1", u"Long"));
  EXPECT_TRUE(profile.writeString(u"Velmora", u"Key1", u"68"));
  EXPECT_TRUE(profile.writeString(u"Added", u"k", u"型"));
  std::u16string after = before;
  after.replace(after.find(u"Kata1=String\n"), 13, u"Kata1=Long\nKey1=68\r\n");
  after += u"\r\n[Added]\r\nk=型\r\n";
  EXPECT_EQ(dir.read("w.ini"), utf16File(after));
  EXPECT_EQ(profile.getString(u"Velmora", u"Kata1", 255), u"Long");

  EXPECT_TRUE(profile.clearSection(u"Velmora"));
  EXPECT_EQ(dir.read("w.ini"), utf16File(u"; 設定 \xD83D tail\r\n\r\n[Velmora]\r\n\r\n[Other]\r\n"
                                         u"x=é😀\r\n[Added]\r\nk=型\r\n"));
}

TEST_F(ProfileWrite, UpdateAppliesAllChangesInOneWriteOrNone) {
  ProfileFile profile = open("[S]\r\na=1\r\n");
  EXPECT_FALSE(profile.update([](ProfileDocument& document) {
    document.set(u"S", u"a", u"2");
    return false;
  }));
  EXPECT_EQ(dir.read("w.ini"), "[S]\r\na=1\r\n");
  EXPECT_TRUE(profile.update([](ProfileDocument& document) {
    document.clearSection(u"S");
    return document.set(u"S", u"b", u"2") && document.set(u"S", u"c", u"3");
  }));
  EXPECT_EQ(dir.read("w.ini"), "[S]\r\nb=2\r\nc=3\r\n");
}

} // namespace
} // namespace velmora
