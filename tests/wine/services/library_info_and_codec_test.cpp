#include "common/temp_directory.hpp"
#include "services/win32_ansi_codec.hpp"
#include "services/win32_library_info.hpp"

#include <gtest/gtest.h>

namespace velmora::testing {
namespace {

// Linked into this program, the code's module is the program, with its version resource; a file
// without one has no version. A drive root keeps its backslash.
TEST(LibraryInfo, TheModuleOfTheCodeGivesDirectoryAndVersion) {
  const win32::Win32LibraryInfo library(Version{9, 9});
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  const std::wstring directory = std::filesystem::path(path).parent_path().wstring();
  EXPECT_EQ(library.directory(), std::u16string(directory.begin(), directory.end()));
  EXPECT_EQ(std::pair(library.version().major, library.version().minor), std::pair(3, 7));
  EXPECT_FALSE(
      win32::fileVersion(TempDirectory().write(L"plain.txt", "no resources here")).has_value());

  EXPECT_EQ(win32::moduleDirectory(u"\\\\?\\D:\\Velmora.dll"), u"\\\\?\\D:\\");
}

// The program runs with Wine's Japanese locale, whose ANSI code page is 932.
TEST(AnsiCodec, JapaneseTextRoundTripsThroughCodePage932) {
  ASSERT_EQ(GetACP(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
  const win32::Win32AnsiCodec codec;
  const std::u16string text = u"日本語ｶﾀｶﾅ①　ＡＢ\\~";
  const std::string bytes = codec.encode(text);
  EXPECT_EQ(bytes, "\x93\xfa\x96\x7b\x8c\xea\xb6\xc0\xb6\xc5\x87\x40\x81\x40\x82\x60\x82\x61\\~");
  EXPECT_EQ(codec.decode(bytes), text);
  std::u16string longText;
  for (int i = 0; i < 5000; ++i) {
    longText += u"設定値";
  }
  EXPECT_EQ(codec.decode(codec.encode(longText)), longText);
  EXPECT_EQ(codec.encode(u""), "");
  EXPECT_EQ(codec.encode(u"a한b"), "a?b") << "what the code page lacks";
  EXPECT_EQ(codec.decode("a\x93"), u"a\u30FB") << "a lead byte without its trail byte";
}

} // namespace
} // namespace velmora::testing
