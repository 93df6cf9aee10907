#include "settings/settings_file.hpp"
#include "settings/settings_path.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "temp_dir.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace velmora {
namespace {

TEST(SettingsPath, OneBackslashBetweenDirectoryAndName) {
  EXPECT_EQ(SettingsPath(u"C:\\Program Files\\Velmora"),
            u"C:\\Program Files\\Velmora\\Velmora.ini");
  EXPECT_EQ(SettingsPath(u"C:\\"), u"C:\\Velmora.ini");
  EXPECT_EQ(SettingsPath(u"\\\\server\\share\\アドイン"),
            u"\\\\server\\share\\アドイン\\Velmora.ini");
}

#ifndef _WIN32
TEST(SettingsPath, BackslashesNameTheSameFileOnLinux) {
  EXPECT_EQ(nativePath(u"/opt/vb\\addin\\Velmora.ini"),
            std::filesystem::path("/opt/vb/addin/Velmora.ini"));

  // A directory given with backslashes and one ending in one (as a drive root does).
  const testing::TempDir dir;
  const sim::IconvAnsiCodec codec;
  std::u16string spelt = dir.directory();
  spelt[spelt.rfind(u'/')] = u'\\';
  SettingsFile withBackslash(spelt, codec);
  EXPECT_TRUE(withBackslash.IniPut(u"Velmora", u"Non", u"0"));
  EXPECT_TRUE(dir.exists("Velmora.ini"));
  const SettingsFile withTrailing(spelt + u"\\", codec);
  EXPECT_EQ(withTrailing.windowsPath(), spelt + u"\\Velmora.ini");
  EXPECT_EQ(withTrailing.IniGet(u"Velmora", u"Non"), u"0");
}
#endif

class SettingsFileTest : public ::testing::Test {
protected:
  testing::TempDir dir;
  sim::IconvAnsiCodec codec;
  SettingsFile file{dir.directory(), codec};
};

TEST_F(SettingsFileTest, MissingFileReadsEmptyAndIsCreatedByTheFirstWrite) {
  EXPECT_EQ(file.IniGet(u"Velmora", u"Non"), u"");
  EXPECT_TRUE(file.IniPutSection(u"Velmora"));
  EXPECT_FALSE(dir.exists("Velmora.ini"));
  EXPECT_TRUE(file.IniPut(u"Velmora", u"Non", u"1"));
  EXPECT_EQ(dir.read("Velmora.ini"), "[Velmora]\r\nNon=1\r\n");
}

TEST_F(SettingsFileTest, JapaneseValuesAreShiftJisOnDisk) {
  EXPECT_TRUE(file.IniPut(u"Velmora", u"SettouChar1", u"ｶｰｿﾙ"));
  EXPECT_TRUE(file.IniPut(u"Velmora", u"Kata1", u"型名①"));
  EXPECT_EQ(dir.read("Velmora.ini"),
            "[Velmora]\r\nSettouChar1=\xB6\xB0\xBF\xD9\r\nKata1=\x8C\x5E\x96\xBC\x87\x40\r\n");
  EXPECT_EQ(file.IniGet(u"velmora", u"settouchar1"), u"ｶｰｿﾙ");
  EXPECT_EQ(file.IniGet(u"VELMORA", u"KATA1"), u"型名①");
  // A character the code page lacks is stored as '?', as the ANSI functions store it.
  EXPECT_TRUE(file.IniPut(u"Velmora", u"Kata2", u"x\u00E9"));
  EXPECT_EQ(file.IniGet(u"Velmora", u"Kata2"), u"x?");
}

TEST_F(SettingsFileTest, ValuesComeBackUntrimmedOfInnerSpacesAndCutTo254Bytes) {
  dir.write("Velmora.ini", "[Velmora]\r\nA= \" x \" \r\nB=" + std::string(253, 'b') + "\x8C\x5E" +
                               "\r\nC=ab" + std::string("\0cd", 3) + "\r\n");
  EXPECT_EQ(file.IniGet(u"Velmora", u"A"), u" x ");
  EXPECT_EQ(file.IniGet(u"Velmora", u"B"), std::u16string(253, u'b'));
  EXPECT_EQ(file.IniGet(u"Velmora", u"C"), u"ab");
}

TEST_F(SettingsFileTest, WritesReplaceTheFileAndLeaveNothingElse) {
  dir.write("Velmora.ini", "[Keep]\r\n; mine\r\nx=1\r\n\r\n[Velmora]\r\nNon=1\r\n");
  for (int i = 0; i < 20; ++i) {
    EXPECT_TRUE(file.IniPut(u"Velmora", u"Non", i % 2 == 0 ? u"0" : u"1"));
  }
  EXPECT_TRUE(file.IniPutSection(u"Velmora"));
  EXPECT_TRUE(file.IniPut(u"Velmora", u"Comment", u"0"));
  EXPECT_EQ(dir.names(), std::vector<std::string>{"Velmora.ini"});
  EXPECT_EQ(dir.read("Velmora.ini"), "[Keep]\r\n; mine\r\nx=1\r\n\r\n[Velmora]\r\nComment=0\r\n");
}

TEST_F(SettingsFileTest, FailedWritesReportFalseAndChangeNothing) {
  dir.write("Velmora.ini", "[Velmora]\r\nNon=1\r\n");
  std::filesystem::permissions(dir.file("Velmora.ini"), std::filesystem::perms::owner_read);
  EXPECT_FALSE(file.IniPut(u"Velmora", u"Non", u"0"));
  EXPECT_FALSE(file.IniPutSection(u"Velmora"));
  EXPECT_EQ(file.IniGet(u"Velmora", u"Non"), u"1");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"Velmora.ini"});

  SettingsFile nowhere(dir.directory() + u"/missing", codec);
  EXPECT_FALSE(nowhere.IniPut(u"Velmora", u"Non", u"0"));
  EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsNeverOverwritten) {
  std::filesystem::create_directory(dir.file("Velmora.ini"));
  EXPECT_EQ(file.IniGet(u"Velmora", u"Non"), u"");
  EXPECT_FALSE(file.IniPut(u"Velmora", u"Non", u"0"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("Velmora.ini")));
}

TEST_F(SettingsFileTest, SnapshotReadsAsTheFileDidWhenTaken) {
  dir.write("Velmora.ini",
            "top=0\r\n[Velmora]\r\nKata1=\"String\"\r\nKey1\r\n[velmora]\r\nKey2=9\r\n");
  const SettingsSnapshot snapshot = file.snapshot();
  EXPECT_TRUE(file.IniPut(u"Velmora", u"Kata1", u"Long"));
  EXPECT_EQ(snapshot.IniGet(u"VELMORA", u" kata1 "), u"String");
  EXPECT_EQ(snapshot.IniGet(u"Velmora", u"Key1"), u"");
  EXPECT_EQ(snapshot.IniGet(u"Velmora", u"Key2"), u"");
  EXPECT_EQ(snapshot.IniGet(u"", u"top"), u"0");
  EXPECT_EQ(snapshot.IniGet(u"Velmora", u"top"), u"");
  EXPECT_EQ(file.IniGet(u"Velmora", u"Kata1"), u"Long");
}

TEST_F(SettingsFileTest, UpdateRewritesInOneReplacement) {
  dir.write("Velmora.ini", "[Velmora]\r\nSettouChar1=str\r\nKata1=String\r\nNon=1\r\n");
  EXPECT_TRUE(file.update([](ProfileDocument& document) {
    document.clearSection(u"Velmora");
    return document.set(u"Velmora", u"SettouChar1", u"lng") &&
           document.set(u"Velmora", u"Kata1", u"Long");
  }));
  EXPECT_EQ(dir.read("Velmora.ini"), "[Velmora]\r\nSettouChar1=lng\r\nKata1=Long\r\n");
}

} // namespace
} // namespace velmora
