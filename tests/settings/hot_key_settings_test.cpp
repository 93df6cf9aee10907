#include "settings/hot_key_settings.hpp"
#include "settings/settings_file.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/system/sim_file_store.hpp"
#include "support/error.hpp"
#include "temp_dir.hpp"

#include <gtest/gtest.h>
#include <string>

namespace velmora {
namespace {

class HotKeySettingsTest : public ::testing::Test {
protected:
  testing::TempDir dir;
  sim::IconvAnsiCodec codec;
  sim::SimFileStore files;
  SettingsFile file{dir.directory(), codec, files};
  HotKeys hotKeys{};
};

TEST_F(HotKeySettingsTest, NoFileGivesTheDefaultsAndWritesThemInOrder) {
  ReadHotKeys(file, hotKeys);
  const HotKeys expected{{{6, 68}, {6, 80}, {6, 71}, {6, 66}}};
  for (std::size_t i = 0; i < hotKeys.size(); ++i) {
    EXPECT_EQ(hotKeys[i].HotKeyFlg, expected[i].HotKeyFlg) << i;
    EXPECT_EQ(hotKeys[i].Key, expected[i].Key) << i;
  }
  EXPECT_EQ(dir.read("Velmora.ini"), "[Velmora]\r\n"
                                     "HotKeyFlg1=6\r\nKey1=68\r\n"
                                     "HotKeyFlg2=6\r\nKey2=80\r\n"
                                     "HotKeyFlg3=6\r\nKey3=71\r\n"
                                     "HotKeyFlg4=6\r\nKey4=66\r\n");
}

TEST_F(HotKeySettingsTest, OnlyMissingValuesAreRepaired) {
  const std::string present = "[Velmora]\r\nHotKeyFlg1=3\r\nKey1=65\r\nKey2=81\r\n"
                              "HotKeyFlg3=1\r\nKey3=72\r\nHotKeyFlg4= \r\nKey4=67\r\n";
  dir.write("Velmora.ini", present);
  ReadHotKeys(file, hotKeys);
  EXPECT_EQ(hotKeys[0].HotKeyFlg, 3);
  EXPECT_EQ(hotKeys[1].HotKeyFlg, 6);
  EXPECT_EQ(hotKeys[1].Key, 81);
  EXPECT_EQ(hotKeys[3].HotKeyFlg, 6);
  EXPECT_EQ(hotKeys[3].Key, 67);
  EXPECT_EQ(dir.read("Velmora.ini"), "[Velmora]\r\nHotKeyFlg1=3\r\nKey1=65\r\nKey2=81\r\n"
                                     "HotKeyFlg3=1\r\nKey3=72\r\nHotKeyFlg4= 6\r\nKey4=67\r\n"
                                     "HotKeyFlg2=6\r\n");
}

TEST_F(HotKeySettingsTest, ABadValueStopsWithEarlierSlotsDone) {
  dir.write("Velmora.ini", "[Velmora]\r\nKey1=70\r\nHotKeyFlg2=2\r\nKey2=x\r\nKey3=99\r\n");
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

TEST_F(HotKeySettingsTest, OneValueReadsConvertsOrRepairs) {
  dir.write("Velmora.ini", "[Velmora]\r\nKey4=  \r\nKey2= 80.4 \r\n");
  EXPECT_EQ(ReadHotKeyValue(file, u"Key4", 66), 66);
  EXPECT_EQ(file.IniGet(u"Velmora", u"Key4"), u"66");
  EXPECT_EQ(ReadHotKeyValue(file, u"Key2", 1), 80);
  EXPECT_EQ(file.IniGet(u"Velmora", u"Key2"), u"80.4");
}

} // namespace
} // namespace velmora
