#include "sim/codec/iconv_ansi_codec.hpp"

#include <gtest/gtest.h>
#include <string>

namespace velmora {
namespace {

TEST(IconvAnsiCodec, ShiftJisRoundTrip) {
  const sim::IconvAnsiCodec codec;
  const std::u16string text = u"ベルモラの設定 ｶｰｿﾙ ①\\~";
  const std::string bytes = codec.encode(text);
  EXPECT_EQ(
      bytes,
      "\x83\x78\x83\x8B\x83\x82\x83\x89\x82\xCC\x90\xDD\x92\xE8 \xB6\xB0\xBF\xD9 \x87\x40\\~");
  EXPECT_EQ(codec.decode(bytes), text);
}

// As WideCharToMultiByte and MultiByteToWideChar do for code page 932.
TEST(IconvAnsiCodec, MissingCharactersAndBadBytesAsOnWindows) {
  const sim::IconvAnsiCodec codec;
  EXPECT_EQ(codec.encode(u"a\U0001F600b"), "a??b");
  EXPECT_EQ(codec.encode(u"\u2014\u301C\u00A0"), "???");
  EXPECT_EQ(codec.encode(u"\u2015\uFF5E"), "\x81\x5C\x81\x60");
  EXPECT_EQ(codec.decode("\x85\x40"), u"\u30FB");
  EXPECT_EQ(codec.decode("x\x93"), u"x\u30FB");
  EXPECT_EQ(codec.decode("\x93\x0A"), u"\u30FB\n");
  EXPECT_EQ(codec.decode("\x80\xA0\xFD"), u"\u0080\uF8F0\uF8F1");
  EXPECT_EQ(codec.encode(u"\uF8F0"), "\xA0");
  EXPECT_EQ(codec.decode(std::string("\0a", 2)), std::u16string(u"\0a", 2));
}

TEST(IconvAnsiCodec, UnknownCodePageIsAnError) {
  EXPECT_THROW(sim::IconvAnsiCodec("NO-SUCH-CODE-PAGE"), std::runtime_error);
}

} // namespace
} // namespace velmora
