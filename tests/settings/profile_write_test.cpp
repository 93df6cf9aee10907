#include "settings/profile_file.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "temp_dir.hpp"

#include <gtest/gtest.h>
#include <string>

namespace velmora {
namespace {

class ProfileWrite : public ::testing::Test {
protected:
  ProfileFile file(const std::string& name = "w.ini") const { return {dir.file(name), codec}; }

  testing::TempDir dir;
  sim::IconvAnsiCodec codec;
};

TEST_F(ProfileWrite, CreatesFileSectionAndKeysWithCrLf) {
  ProfileFile profile = file();
  EXPECT_TRUE(profile.writeString(u"Velmora", u"HotKeyFlg1", u"6"));
  EXPECT_TRUE(profile.writeString(u"Velmora", u"Key1", u"68"));
  EXPECT_TRUE(profile.writeString(u"Other", u"a", u"b"));
  EXPECT_EQ(dir.read("w.ini"), "[Velmora]\r\nHotKeyFlg1=6\r\nKey1=68\r\n[Other]\r\na=b\r\n");
}

TEST_F(ProfileWrite, ReplacesAValueAndKeepsEveryOtherByte) {
  const std::string before = "; top comment\n"
                             "[Other]\r\n"
                             "x = 1 \r\n"
                             "\r\n"
                             "[Velmora]\r\n"
                             "  Key1 = 68\r\n"
                             "; inner\n"
                             "Key2=80\r\n"
                             "\r\n"
                             "[Last]\r\n"
                             "y=2";
  dir.write("w.ini", before);
  ProfileFile profile = file();
  EXPECT_TRUE(profile.writeString(u"VELMORA", u"key1", u"70"));
  std::string expected = before;
  expected.replace(expected.find("  Key1 = 68"), 11, "  Key1 = 70");
  EXPECT_EQ(dir.read("w.ini"), expected);
}

TEST_F(ProfileWrite, AddsKeysAfterTheSectionsLastLineAndSectionsAtTheEnd) {
  dir.write("w.ini", "[Velmora]\r\na=1\r\n\r\n\r\n[Next]\r\nc=3");
  ProfileFile profile = file();
  EXPECT_TRUE(profile.writeString(u"velmora", u"new", u"v"));
  EXPECT_TRUE(profile.writeString(u"Added", u"k", u"日本"));
  EXPECT_EQ(
      dir.read("w.ini"),
      "[Velmora]\r\na=1\r\nnew=v\r\n\r\n\r\n[Next]\r\nc=3\r\n[Added]\r\nk=\x93\xfa\x96\x7b\r\n");
  EXPECT_EQ(profile.getString(u"added", u"K", 255), u"日本");
}

TEST_F(ProfileWrite, GivesAValueToAKeyLineWithoutEquals) {
  dir.write("w.ini", "[S]\r\nflag  \r\n");
  ProfileFile profile = file();
  EXPECT_EQ(profile.getString(u"S", u"flag", 255), std::nullopt);
  EXPECT_TRUE(profile.writeString(u"S", u"flag", u"on"));
  EXPECT_EQ(dir.read("w.ini"), "[S]\r\nflag=on\r\n");
}

TEST_F(ProfileWrite, WritesNothingWhenTheValueIsAlreadyThere) {
  dir.write("w.ini", "[S]\r\nk =   v  \r\n");
  ProfileFile profile = file();
  EXPECT_TRUE(profile.writeString(u"S", u"K", u"v"));
  EXPECT_EQ(dir.read("w.ini"), "[S]\r\nk =   v  \r\n");
}

TEST_F(ProfileWrite, RefusesTextThatWouldReadBackAsOtherKeys) {
  dir.write("w.ini", "[S]\r\na=1\r\n");
  ProfileFile profile = file();
  EXPECT_FALSE(profile.writeString(u"S", u"inj", u"x\r\nevil=1"));
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

TEST_F(ProfileWrite, ClearingASectionKeepsItsHeaderAndTheRest) {
  dir.write("w.ini", "; top\r\n[Velmora]\r\na=1\r\n; inner comment\r\nb = 2\r\n\r\n"
                     "[Next]\r\nc=3\r\n[velmora]\r\nd=4");
  ProfileFile profile = file();
  EXPECT_TRUE(profile.clearSection(u"VELMORA"));
  EXPECT_EQ(dir.read("w.ini"), "; top\r\n[Velmora]\r\n\r\n[Next]\r\nc=3\r\n[velmora]\r\n");
  EXPECT_EQ(profile.getString(u"Velmora", u"a", 255), std::nullopt);
  EXPECT_TRUE(profile.writeString(u"Velmora", u"a", u"5"));
  EXPECT_EQ(dir.read("w.ini"), "; top\r\n[Velmora]\r\na=5\r\n\r\n[Next]\r\nc=3\r\n[velmora]\r\n");
}

TEST_F(ProfileWrite, ClearingAMissingSectionOrFileChangesNothing) {
  ProfileFile missing = file("none.ini");
  EXPECT_TRUE(missing.clearSection(u"Velmora"));
  EXPECT_FALSE(dir.exists("none.ini"));
  dir.write("w.ini", "[Other]\r\nc=3");
  EXPECT_TRUE(file().clearSection(u"Velmora"));
  EXPECT_EQ(dir.read("w.ini"), "[Other]\r\nc=3");
}

TEST_F(ProfileWrite, FileWithUtf8ByteOrderMarkStaysUtf8) {
  dir.write("w.ini", "\xEF\xBB\xBF[S]\r\nk=\xE6\x97\xA5\r\n");
  ProfileFile profile = file();
  EXPECT_EQ(profile.getString(u"S", u"k", 255), u"日");
  EXPECT_TRUE(profile.writeString(u"S", u"m", u"本"));
  EXPECT_EQ(dir.read("w.ini"), "\xEF\xBB\xBF[S]\r\nk=\xE6\x97\xA5\r\nm=\xE6\x9C\xAC\r\n");
}

TEST_F(ProfileWrite, UpdateAppliesAllChangesInOneWriteOrNone) {
  dir.write("w.ini", "[S]\r\na=1\r\n");
  ProfileFile profile = file();
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
