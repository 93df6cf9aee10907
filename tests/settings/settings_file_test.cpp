#include "settings/hot_key_settings.hpp"
#include "settings/prefix_table.hpp"
#include "settings/settings_path.hpp"
#include "settings/settings_save.hpp"
#include "settings_file_fixture.hpp"
#include "utf16_file.hpp"

#include <filesystem>

namespace velmora {
namespace {

TEST(SettingsPath, OneBackslashBetweenDirectoryAndName) {
  EXPECT_EQ(SettingsPath(u"C:\\Program Files\\Velmora"),
            u"C:\\Program Files\\Velmora\\Velmora.ini");
  EXPECT_EQ(SettingsPath(u"C:\\"), u"C:\\Velmora.ini");
}

using SettingsFileTest = testing::SettingsFileFixture;

TEST_F(SettingsFileTest, FailedWritesReportFalseAndChangeNothing) {
  write("Non=1\r\n");
  std::filesystem::permissions(dir.file("Velmora.ini"), std::filesystem::perms::owner_read);
  EXPECT_FALSE(file.IniPut(u"Velmora", u"Non", u"0"));
  EXPECT_FALSE(file.IniPutSection(u"Velmora"));
  EXPECT_EQ(file.IniGet(u"Velmora", u"Non"), u"1");

  // A file that cannot be read is never overwritten.
  const testing::TempDir other;
  std::filesystem::create_directory(other.file("Velmora.ini"));
  SettingsFile unreadable(other.directory(), codec, files);
  EXPECT_EQ(unreadable.IniGet(u"Velmora", u"Non"), u"");
  EXPECT_FALSE(unreadable.IniPut(u"Velmora", u"Non", u"0"));
  EXPECT_TRUE(std::filesystem::is_directory(other.file("Velmora.ini")));
}

TEST_F(SettingsFileTest, SnapshotReadsAsTheFileDidWhenTaken) {
  write("Kata1=String\r\n");
  const SettingsSnapshot snapshot = file.snapshot();
  EXPECT_TRUE(file.IniPut(u"Velmora", u"Kata1", u"Long"));
  EXPECT_EQ(snapshot.IniGet(u"Velmora", u"Kata1"), u"String");

  // A snapshot taken afterwards reads the file as it is now, whoever changed it, also when the
  // change keeps its size.
  EXPECT_EQ(file.snapshot().IniGet(u"Velmora", u"Kata1"), u"Long");
  dir.write("Velmora.ini", "[Velmora]\r\nKata1=Lang\r\n");
  EXPECT_EQ(file.snapshot().IniGet(u"Velmora", u"Kata1"), u"Lang");
}

// A settings file saved as "Unicode" is read, repaired and rewritten in UTF-16 only; a later
// section of the same name is neither read nor changed.
TEST_F(SettingsFileTest, AUnicodeFileStaysUnicodeThroughTheRepairsAndTheDialogsRewrite) {
  dir.write("Velmora.ini", testing::utf16File(u"[Velmora]\r\nSettouChar1=文字\r\nKata1=String\r\n"
                                              u"Key1=69\r\n[velmora]\r\nNon=0\r\nKey2=70\r\n"));
  Prefixes prefixes;
  LoadPrefixTable(file, prefixes);
  ASSERT_EQ(prefixes.PrefixCount(), 1);
  EXPECT_EQ(prefixes.PrefixTable()[0].SettouChar, u"文字");
  EXPECT_EQ(file.IniGet(u"Velmora", u"Non"), u"");

  HotKeys hotKeys{};
  ReadHotKeys(file, hotKeys);
  EXPECT_EQ(hotKeys[0].Key, 69);
  EXPECT_EQ(hotKeys[1].Key, 80) << "slot 2's key in the later section is not seen";
  EXPECT_EQ(dir.read("Velmora.ini"),
            testing::utf16File(u"[Velmora]\r\nSettouChar1=文字\r\nKata1=String\r\nKey1=69\r\n"
                               u"HotKeyFlg1=6\r\nHotKeyFlg2=6\r\nKey2=80\r\nHotKeyFlg3=6\r\n"
                               u"Key3=71\r\nHotKeyFlg4=6\r\nKey4=66\r\n"
                               u"[velmora]\r\nNon=0\r\nKey2=70\r\n"));

  std::vector<PrefixEntry> table = prefixes.PrefixTable();
  table.push_back({u"ｶﾅ", u"型①"});
  prefixes.assign(std::move(table), 2);
  hotKeys[3] = {7, 66};
  EXPECT_TRUE(SaveSettings(file, prefixes, Options{1, 0, 1, 0}, hotKeys));
  EXPECT_EQ(dir.read("Velmora.ini"),
            testing::utf16File(u"[Velmora]\r\nSettouChar1=文字\r\nKata1=String\r\n"
                               u"SettouChar2=ｶﾅ\r\nKata2=型①\r\nNon=1\r\nTenmetsu=0\r\n"
                               u"Comment=1\r\nImeMode=0\r\nHotKeyFlg1=6\r\nKey1=69\r\n"
                               u"HotKeyFlg2=6\r\nKey2=80\r\nHotKeyFlg3=6\r\nKey3=71\r\n"
                               u"HotKeyFlg4=7\r\nKey4=66\r\n"
                               u"[velmora]\r\nNon=0\r\nKey2=70\r\n"));
}

// While another program holds the file, a write waits briefly and then reports failure; the
// file is as it was and nothing is left beside it.
TEST_F(SettingsFileTest, AWriteToAFileHeldElsewhereFailsAfterABriefWait) {
  dir.write("Velmora.ini", "[Velmora]\r\nNon=1\r\n");
  files.hold(dir.file("Velmora.ini"));
  EXPECT_FALSE(file.IniPut(u"Velmora", u"Non", u"0"));
  EXPECT_EQ(file.IniGet(u"Velmora", u"Non"), u"1") << "reading is not blocked";
  EXPECT_GT(files.paused(), 0u);
  EXPECT_EQ(dir.names(), std::vector<std::string>{"Velmora.ini"});
}

} // namespace
} // namespace velmora
