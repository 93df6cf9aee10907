#include "settings/hot_key_settings.hpp"
#include "settings_file_fixture.hpp"
#include "support/error.hpp"

namespace velmora {
namespace {

using HotKeySettingsTest = testing::SettingsFileFixture;

// Defaults for a missing file: ConnectionTest.WithoutASettingsFileEverythingTakesItsDefault.
TEST_F(HotKeySettingsTest, OnlyMissingOrBlankValuesAreRepairedAndABadValueStops) {
  write("HotKeyFlg1=3\r\nKey1=65\r\nKey2= 80.4 \r\nHotKeyFlg3=1\r\nKey3=72\r\nHotKeyFlg4= \r\n"
        "Key4=67\r\n");
  HotKeys hotKeys{};
  ReadHotKeys(file, hotKeys);
  EXPECT_EQ(hotKeys[0].HotKeyFlg, 3);
  EXPECT_EQ(hotKeys[1].HotKeyFlg, 6);
  EXPECT_EQ(hotKeys[1].Key, 80);
  EXPECT_EQ(hotKeys[3].HotKeyFlg, 6);
  EXPECT_EQ(ini(), "[Velmora]\r\nHotKeyFlg1=3\r\nKey1=65\r\nKey2= 80.4 \r\nHotKeyFlg3=1\r\n"
                   "Key3=72\r\nHotKeyFlg4= 6\r\nKey4=67\r\nHotKeyFlg2=6\r\n");

  // A bad value stops the reading with the earlier slots done.
  write("Key1=70\r\nHotKeyFlg2=2\r\nKey2=x\r\nKey3=99\r\n");
  hotKeys.fill(HotKey{-1, -1});
  EXPECT_THROW(ReadHotKeys(file, hotKeys), Error);
  EXPECT_EQ(hotKeys[0].HotKeyFlg, 6);
  EXPECT_EQ(hotKeys[0].Key, 70);
  EXPECT_EQ(hotKeys[1].HotKeyFlg, 2);
  EXPECT_EQ(hotKeys[1].Key, -1);
  EXPECT_EQ(hotKeys[2].Key, -1);
  EXPECT_EQ(file.IniGet(u"Velmora", u"HotKeyFlg1"), u"6");
  EXPECT_EQ(file.IniGet(u"Velmora", u"HotKeyFlg3"), u"");
}

} // namespace
} // namespace velmora
