#include "services/win32_ansi_codec.hpp"
#include "services/win32_library_info.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace velmora::testing {
namespace {

using win32::moduleDirectory;
using win32::Win32AnsiCodec;
using win32::Win32LibraryInfo;

std::wstring programPath() {
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  return path;
}

// Linked into this program, the code's module is the program, with its version resource.
TEST(LibraryInfo, TheModuleOfTheCodeGivesDirectoryAndVersion) {
  const Win32LibraryInfo library(Version{9, 9});
  const std::wstring path = programPath();
  const std::wstring directory = path.substr(0, path.rfind(L'\\'));
  EXPECT_EQ(library.directory(), std::u16string(directory.begin(), directory.end()));
  EXPECT_FALSE(library.directory().ends_with(u'\\'));
  EXPECT_EQ(library.version().major, 3);
  EXPECT_EQ(library.version().minor, 7);
}

TEST(LibraryInfo, OnlyADriveRootKeepsItsBackslash) {
  EXPECT_EQ(moduleDirectory(u"C:\\Velmora.dll"), u"C:\\");
  EXPECT_EQ(moduleDirectory(u"C:\\Program Files\\Velmora\\Velmora.dll"),
            u"C:\\Program Files\\Velmora");
  EXPECT_EQ(moduleDirectory(u"\\\\server\\share\\Velmora.dll"), u"\\\\server\\share");
  EXPECT_EQ(moduleDirectory(u"\\\\?\\D:\\Velmora.dll"), u"\\\\?\\D:\\");
  EXPECT_EQ(moduleDirectory(u"Velmora.dll"), u"");
}

TEST(LibraryInfo, AFileWithoutVersionResourceHasNoVersion) {
  wchar_t directory[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, directory);
  const std::wstring path = std::wstring(directory) + L"velmora-no-version.txt";
  std::ofstream(std::filesystem::path(path)) << "no resources here";
  EXPECT_FALSE(win32::fileVersion(path).has_value());
  EXPECT_FALSE(win32::fileVersion(path + L".missing").has_value());
  DeleteFileW(path.c_str());
}

// The program runs with Wine's Japanese locale, whose ANSI code page is 932.
TEST(AnsiCodec, JapaneseTextRoundTripsThroughCodePage932) {
  ASSERT_EQ(GetACP(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
  const Win32AnsiCodec codec;
  const std::u16string text = u"日本語ｶﾀｶﾅ①　ＡＢ\\~";
  const std::string bytes = codec.encode(text);
  EXPECT_EQ(bytes, "\x93\xfa\x96\x7b\x8c\xea\xb6\xc0\xb6\xc5\x87\x40\x81\x40\x82\x60\x82\x61\\~");
  EXPECT_EQ(codec.decode(bytes), text);

  std::u16string longText;
  for (int i = 0; i < 5000; ++i) {
    longText += u"設定値";
    longText += static_cast<char16_t>(u'a' + i % 26);
  }
  EXPECT_EQ(codec.decode(codec.encode(longText)), longText);
  EXPECT_EQ(codec.encode(u""), "");
  EXPECT_EQ(codec.decode(""), u"");
}

TEST(AnsiCodec, WhatTheCodePageLacksBecomesItsDefaultCharacter) {
  const Win32AnsiCodec codec;
  EXPECT_EQ(codec.encode(u"a한b"), "a?b");
  EXPECT_EQ(codec.decode("a\x93"), u"a\u30FB") << "a lead byte without its trail byte";
}

} // namespace
} // namespace velmora::testing
