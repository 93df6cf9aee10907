#include "settings/prefix_table.hpp"
#include "settings_file_fixture.hpp"

namespace velmora {
namespace {

class PrefixTableTest : public testing::SettingsFileFixture {
protected:
  void load(const std::string& body) {
    write(body);
    LoadPrefixTable(file, prefixes);
  }

  Prefixes prefixes;
};

TEST_F(PrefixTableTest, NoFileLoadsNoPairs) {
  prefixes.assign({{u"a", u"A"}, {u"b", u"B"}, {u"c", u"C"}}, 3);
  LoadPrefixTable(file, prefixes);
  EXPECT_EQ(prefixes.PrefixCount(), 0);
}

TEST_F(PrefixTableTest, PairsLoadInFileOrderAndAreStoredUntrimmed) {
  load("Kata2=Long\r\nSettouChar1=str\r\nKata1=String\r\nSettouChar2=lng\r\n"
       "SettouChar3=\" \x95\xCF \"\r\nKata3=Variant\r\n");
  ASSERT_EQ(prefixes.PrefixCount(), 3);
  EXPECT_EQ(prefixes.PrefixTable()[0].SettouChar, u"str");
  EXPECT_EQ(prefixes.PrefixTable()[0].Kata, u"String");
  EXPECT_EQ(prefixes.PrefixTable()[1].SettouChar, u"lng");
  EXPECT_EQ(prefixes.PrefixTable()[1].Kata, u"Long");
  EXPECT_EQ(prefixes.PrefixTable()[2].SettouChar, u" 変 ");
}

TEST_F(PrefixTableTest, TheTableEndsAtTheFirstGap) {
  load("SettouChar1=str\r\nKata1=String\r\nSettouChar3=lng\r\nKata3=Long\r\n");
  EXPECT_EQ(prefixes.PrefixCount(), 1);
  load("SettouChar1=str\r\nKata1=String\r\nSettouChar2=lng\r\nKata2=\"   \"\r\n"
       "SettouChar3=int\r\nKata3=Integer\r\n");
  EXPECT_EQ(prefixes.PrefixCount(), 1);
  load("SettouChar1=\" \"\r\nKata1=String\r\n");
  EXPECT_EQ(prefixes.PrefixCount(), 0);
}

TEST_F(PrefixTableTest, AShorterReloadKeepsTheOldTailUnused) {
  load("SettouChar1=a\r\nKata1=A\r\nSettouChar2=b\r\nKata2=B\r\nSettouChar3=c\r\nKata3=C\r\n");
  ASSERT_EQ(prefixes.PrefixCount(), 3);
  load("SettouChar1=x\r\nKata1=X\r\n");
  EXPECT_EQ(prefixes.PrefixCount(), 1);
  EXPECT_EQ(prefixes.PrefixTable()[0].SettouChar, u"x");
  ASSERT_EQ(prefixes.PrefixTable().size(), 3U);
  EXPECT_EQ(prefixes.PrefixTable()[2].SettouChar, u"c");
}

// Overlong UTF-8 forms of LF and CR in a file marked as UTF-8 are no line breaks: the type
// name stays one line of text, and a declaration with it stays one line of code.
TEST_F(PrefixTableTest, NoTypeNameCarriesALineBreakIntoCode) {
  dir.write("Velmora.ini", "\xEF\xBB\xBF[Velmora]\r\nSettouChar1=str\r\n"
                           "Kata1=String\xC0\x8A\xC0\x8D"
                           "End Sub\r\n");
  LoadPrefixTable(file, prefixes);
  ASSERT_EQ(prefixes.PrefixCount(), 1);
  EXPECT_EQ(prefixes.PrefixTable()[0].Kata, u"String\uFFFD\uFFFD\uFFFD\uFFFDEnd Sub");
}

// A code page whose decoder makes a line feed of the byte 0x80.
class LineFeedCodec final : public AnsiCodec {
public:
  std::string encode(std::u16string_view text) const override { return {text.begin(), text.end()}; }
  std::u16string decode(std::string_view bytes) const override {
    std::u16string text;
    for (const char c : bytes) {
      text += c == '\x80' ? u'\n' : static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return text;
  }
};

TEST(PrefixTableText, AValueEndsWhereADecoderPutALineBreak) {
  testing::TempDir dir;
  dir.write("Velmora.ini", "[Velmora]\r\nSettouChar1=str\r\nKata1=String\x80"
                           "End Sub\r\n");
  const LineFeedCodec codec;
  sim::SimFileStore files;
  SettingsFile file{dir.directory(), codec, files};
  EXPECT_EQ(file.IniGet(u"Velmora", u"Kata1"), u"String");
  Prefixes prefixes;
  LoadPrefixTable(file, prefixes);
  ASSERT_EQ(prefixes.PrefixCount(), 1);
  EXPECT_EQ(prefixes.PrefixTable()[0].Kata, u"String");
}

} // namespace
} // namespace velmora
