// Our settings file held against Wine's profile functions (GetPrivateProfileStringA,
// WritePrivateProfileStringA, WritePrivateProfileSectionA) under code page 932: the same
// operations go to two copies of a file, one kept by Wine and one by us, and every read must give
// the same bytes. At checkpoints both readers read both copies.
//
// Differences that are ours by intent, pinned by their own tests and kept out of the run:
//   - The file text: Wine writes the whole file anew in its own layout, we keep every line we do
//     not change. Only what the readers see is compared, never the bytes.
//   - A quoted value whose text between the quotes is exactly 254 characters: Wine's read loses
//     the last of them; ours gives the 254. No such value is written.
//   - A padded section name in WritePrivateProfileSectionA: Wine does not trim it and clears
//     nothing; ours trims it like every other name. Only unpadded names are cleared.
//   - Texts our writes refuse (a line break, a blank name, a key starting with '[' or holding
//     '=') are not written.
#include "profile/profile_copies.hpp"

#include <cstdint>
#include <gtest/gtest.h>

namespace velmora::testing {
namespace {

using Copy = ProfileCopies::Copy;

// Shift-JIS: 日 本, three characters with 0x5C ('\') as trail byte (表 ソ 能), the ideographic
// space (no blank for the profile functions), a circled digit, halfwidth kana.
const std::string kNichi = "\x93\xfa";
const std::string kHon = "\x96\x7b";
const std::string kHyou = "\x95\x5c";
const std::string kSo = "\x83\x5c";
const std::string kNou = "\x94\x5c";
const std::string kSpace = "\x81\x40";
const std::string kCircled = "\x87\x40";
const std::string kKana = "\xb6\xc0\xb6\xc5";

// Names in every case and padded (the last three: never cleared), Japanese, fullwidth letters
// (only ASCII case folds), brackets; blank, padded, quoted and Japanese values, and long ones
// around the 255-byte cut of the reads (double-byte characters across it).
// clang-format off
const std::vector<std::string> kSections = {
    "Velmora", "VELMORA", "Other", "\x90\xdd\x92\xe8", "\x82\x60\x82\x61\x82\x62",
    "\x82\x81\x82\x82\x82\x83", kHyou + kSo + " " + kNou, "a]b", "[x", "Sec With Spaces",
    kSpace + "Velmora", "  Velmora", "Velmora\t", " \tvElMoRa \t"};
constexpr std::size_t kUnpaddedSections = 11;
const std::vector<std::string> kKeys = {
    "SettouChar1", "settouchar1", " Kata1 ", "\tKata1", "Non", "Key1", "SettouChar12",
    "\x90\xda\x93\xaa\x95\xb6\x8e\x9a", "\xb7\xb0", "\x82\x6a\x82\x85\x82\x99",
    "\x82\x8b\x82\x85\x82\x99", "k e y", ";comment", kHyou + "\x8e\xa6", "a[b"};
// clang-format on

std::vector<std::string> values() {
  // clang-format off
  std::vector<std::string> values = {
      "", " \t ", "String", "  padded  ", " " + kNichi + kHon + " ", "\"quoted\"", "'single'",
      "\"unbalanced", "\"\"", "\"", " \" inner blanks \" ", "\"a\"b\"", "'mixed\"",
      "\"" + kNichi + kHon + "\"", kKana, kNichi + kSpace + kHon, kSpace + "lead", "trail" + kSpace,
      kHyou + kSo + kNou, kCircled, "a=b", "a;b", "[notsection]", "back\\slash"};
  // clang-format on
  for (const std::size_t length : {253, 254, 255, 256}) {
    const std::string plain(length, 'a');
    values.insert(values.end(),
                  {plain, " " + plain + "\t ", plain + kNichi, plain + kKana.substr(0, 1)});
    if (length != 254) {
      values.push_back("\"" + plain + "\"");
    }
  }
  for (const std::size_t pairs : {127, 128}) {
    std::string japanese;
    for (std::size_t i = 0; i < pairs; ++i) {
      japanese += i % 2 == 0 ? kNichi : kHyou;
    }
    values.insert(values.end(), {japanese, "x" + japanese, "'" + japanese + "'"});
  }
  return values;
}

std::string escaped(const std::string& bytes) {
  return ::testing::PrintToString(bytes);
}

// Both readers on both copies, every name: all four must agree.
void checkpoint(const ProfileCopies& copies, const std::string& after) {
  copies.wineForget();
  ASSERT_EQ(copies.exists(Copy::Wines), copies.exists(Copy::Ours)) << after;
  for (const std::string& section : kSections) {
    for (const std::string& key : kKeys) {
      const std::string wine = copies.wineGet(Copy::Wines, section, key);
      ASSERT_EQ((std::vector<std::string>{copies.wineGet(Copy::Ours, section, key),
                                          copies.oursGet(Copy::Wines, section, key, true),
                                          copies.oursGet(Copy::Ours, section, key, true)}),
                std::vector<std::string>(3, wine))
          << "[" << escaped(section) << "] " << escaped(key) << " after " << after
          << " (Wine on Wine's copy, on ours; ours on Wine's copy, on ours)\n  Wine's copy: "
          << escaped(copies.bytes(Copy::Wines))
          << "\n  our copy: " << escaped(copies.bytes(Copy::Ours));
    }
  }
}

// A file with the oddities the profile functions have a rule for.
const std::string kOddFile = "; settings of a user who edits by hand\r\n"
                             "\r\n"
                             "[Velmora]\r\n"
                             "  SettouChar1  =   str   \r\n"
                             "Kata1=\"String\"\r\n"
                             "settouchar2 =\t\"  int \"\t\r\n"
                             "Kata2='Integer'\r\n"
                             "Non\r\n"
                             ";comment=not a comment\r\n"
                             "\r\n"
                             "HotKeyFlg1=6\nKey1=68\rKey1=second\r\n"
                             "\x90\xda\x93\xaa\x95\xb6\x8e\x9a=\x93\xfa\x96\x7b\r\n"
                             "\xb7\xb0=\x1a\r\n"
                             "[ Other ]\r\n"
                             "k e y = a = b\r\n"
                             "[VELMORA]\r\n"
                             "Kata1=in the second section of that name\r\n"
                             "[\x90\xdd\x92\xe8] trailing text\r\n"
                             "\x82\x6a\x82\x85\x82\x99=\x95\x5c\x83\x5c\r\n"
                             "[a]b]\r\n"
                             "a[b=5\r\n"
                             "[broken\r\n"
                             "z=3";

// The odd file saved as "Unicode" (UTF-16LE with its byte-order mark).
std::string utf16Copy(const std::string& ansi) {
  const std::u16string text = win32::Win32AnsiCodec().decode(ansi);
  return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

// From a missing file, the odd file, the same in UTF-8 with a byte-order mark and in UTF-16: the
// same pseudo-random writes and clears to both copies, each write read back at once by both
// sides, with checkpoints in between.
TEST(ProfileAgainstWine, GeneratedOperationsReadAlikeOnBothSides) {
  ASSERT_EQ(GetACP(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
  const std::vector<std::string> written = values();
  const std::string utf8File = "\xEF\xBB\xBF[Velmora]\r\nSettouChar1=\xE6\x96\x87\xE5\xAD\x97\r\n"
                               "Kata1=String\r\n[\xE8\xA8\xAD\xE5\xAE\x9A]\r\nNon=1\r\n";
  std::uint64_t random = 0x5EED0001;
  const auto below = [&random](std::size_t count) {
    random = random * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::size_t>((random >> 33) % count);
  };
  for (const std::string& initial : {std::string(), kOddFile, utf8File, utf16Copy(kOddFile)}) {
    ProfileCopies copies(initial, !initial.empty());
    checkpoint(copies, "the start");
    for (int done = 1; done <= 600 && !::testing::Test::HasFailure(); ++done) {
      const std::string& section = kSections[below(kSections.size())];
      const std::string& key = kKeys[below(kKeys.size())];
      const std::string& value = written[below(written.size())];
      std::string after =
          "write [" + escaped(section) + "] " + escaped(key) + " = " + escaped(value);
      if (below(40) == 0) {
        const std::string& cleared = kSections[below(kUnpaddedSections)];
        after = "clear [" + escaped(cleared) + "]";
        ASSERT_EQ(copies.winePutSection(cleared), copies.oursPutSection(cleared)) << after;
      } else {
        ASSERT_TRUE(copies.winePut(section, key, value)) << after;
        ASSERT_TRUE(copies.oursPut(section, key, value)) << after;
        EXPECT_EQ(copies.wineGet(Copy::Wines, section, key),
                  copies.oursGet(Copy::Ours, section, key))
            << after;
      }
      if (done % 150 == 0) {
        checkpoint(copies, after);
      }
    }
  }
}

// The two deliberate differences, pinned down so that the exclusions above stay narrow: should
// either side change, these say so.
TEST(ProfileAgainstWine, AQuotedValueOf254CharactersKeepsThemAllInOurs) {
  ProfileCopies copies("", false);
  const std::string inner(254, 'q');
  ASSERT_TRUE(copies.winePut("Velmora", "Kata1", "\"" + inner + "\""));
  ASSERT_TRUE(copies.oursPut("Velmora", "Kata1", "\"" + inner + "\""));
  EXPECT_EQ(copies.wineGet(Copy::Wines, "Velmora", "Kata1"), inner.substr(0, 253));
  EXPECT_EQ(copies.oursGet(Copy::Ours, "Velmora", "Kata1"), inner);
}

TEST(ProfileAgainstWine, APaddedSectionNameClearsTheSectionInOursOnly) {
  ProfileCopies copies("[Velmora]\r\nNon=0\r\n", true);
  ASSERT_TRUE(copies.winePutSection(" Velmora\t"));
  ASSERT_TRUE(copies.oursPutSection(" Velmora\t"));
  EXPECT_EQ(copies.wineGet(Copy::Wines, "Velmora", "Non"), "0");
  EXPECT_EQ(copies.oursGet(Copy::Ours, "Velmora", "Non"), "");
}

// Reads and writes go to the first section of a name on both sides; a later one is left as it
// is. Emptying a section is where Wine differs: it empties every section of the name.
TEST(ProfileAgainstWine, OnlyTheFirstSectionOfANameIsReadAndWritten) {
  ProfileCopies copies("[Velmora]\r\na=1\r\n[Other]\r\nx=0\r\n[velmora]\r\nb=2\r\na=9\r\n", true);
  for (const Copy copy : {Copy::Wines, Copy::Ours}) {
    EXPECT_EQ(copies.wineGet(copy, "Velmora", "a"), "1");
    EXPECT_EQ(copies.wineGet(copy, "Velmora", "b"), "");
    EXPECT_EQ(copies.oursGet(copy, "Velmora", "a"), "1");
    EXPECT_EQ(copies.oursGet(copy, "Velmora", "b"), "");
  }
  ASSERT_TRUE(copies.winePut("VELMORA", "b", "3"));
  ASSERT_TRUE(copies.oursPut("VELMORA", "b", "3"));
  copies.wineForget();
  for (const Copy copy : {Copy::Wines, Copy::Ours}) {
    EXPECT_EQ(copies.wineGet(copy, "Velmora", "b"), "3");
    EXPECT_NE(copies.bytes(copy).find("b=2"), std::string::npos) << "the later section keeps b";
    EXPECT_NE(copies.bytes(copy).find("a=9"), std::string::npos);
  }

  ASSERT_TRUE(copies.winePutSection("Velmora"));
  ASSERT_TRUE(copies.oursPutSection("Velmora"));
  copies.wineForget();
  for (const Copy copy : {Copy::Wines, Copy::Ours}) {
    EXPECT_EQ(copies.wineGet(copy, "Velmora", "a"), "");
    EXPECT_EQ(copies.oursGet(copy, "Velmora", "b"), "");
  }
  EXPECT_EQ(copies.bytes(Copy::Wines).find("a=9"), std::string::npos) << "Wine empties both";
  EXPECT_NE(copies.bytes(Copy::Ours).find("b=2\r\na=9"), std::string::npos) << "ours the first";
}

// A file saved as "Unicode" is read through the ANSI functions and written back in UTF-16 on
// both sides.
TEST(ProfileAgainstWine, AUnicodeFileStaysUnicode) {
  ProfileCopies copies(utf16Copy("[Velmora]\r\nSettouChar1=\x95\xb6\r\nKata1=String\r\n"), true);
  for (const Copy copy : {Copy::Wines, Copy::Ours}) {
    EXPECT_EQ(copies.wineGet(copy, "Velmora", "SettouChar1"), "\x95\xb6"); // 文
    EXPECT_EQ(copies.oursGet(copy, "Velmora", "SettouChar1"), "\x95\xb6");
  }
  ASSERT_TRUE(copies.winePut("Velmora", "HotKeyFlg1", "6"));
  ASSERT_TRUE(copies.oursPut("Velmora", "HotKeyFlg1", "6"));
  ASSERT_TRUE(copies.winePut("Velmora", "Kata2", "\x8c\x5e")); // 型
  ASSERT_TRUE(copies.oursPut("Velmora", "Kata2", "\x8c\x5e"));
  copies.wineForget();
  for (const Copy copy : {Copy::Wines, Copy::Ours}) {
    EXPECT_EQ(copies.bytes(copy).substr(0, 2), "\xFF\xFE");
    EXPECT_NE(copies.bytes(copy).find(std::string("K\0a\0t\0a\0\x32\0=\0\x8b\x57", 14)),
              std::string::npos)
        << "型 as the UTF-16 unit 578B";
    EXPECT_EQ(copies.bytes(copy).find("HotKeyFlg1"), std::string::npos) << "no ANSI text in it";
    EXPECT_EQ(copies.wineGet(copy, "Velmora", "HotKeyFlg1"), "6");
    EXPECT_EQ(copies.oursGet(copy, "Velmora", "Kata2"), "\x8c\x5e");
  }
  EXPECT_EQ(copies.bytes(Copy::Ours),
            utf16Copy("[Velmora]\r\nSettouChar1=\x95\xb6\r\nKata1=String\r\nHotKeyFlg1=6\r\n"
                      "Kata2=\x8c\x5e\r\n"));
}

} // namespace
} // namespace velmora::testing
