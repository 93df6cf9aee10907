#include "settings/profile_document.hpp"
#include "settings/profile_index.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "utf16_file.hpp"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

// Files of the shapes a settings file takes, hand-edited ones among them (in code page 932).
const std::vector<std::string> kShapes = {
    "",
    std::string("; top\r\n[Other]\r\nx = 1 \r\n\r\n[Velmora]\r\n  Key1 = 68\r\n; inner\n") +
        "Key2=80\r\nKey2=81\r\nkey3\r\n\r\n\r\n[Last]\r\ny=2",
    "a=above\r\n[velmora]\r\na=1\r\nA=2\r\n[VELMORA]\r\nb=2\r\n[]\r\na=empty\r\n",
    "[Velmora]\r\n\x95\xCF=\x8C^\r\n[\x95\xCF]\r\nk=v\n",
    testing::utf16File(u"[Velmora]\r\n変=型\r\nKey1=1\r\n[velmora]\r\nKey2=2\r\n"),
};

ProfileDocument parse(const std::string& bytes) {
  static const sim::IconvAnsiCodec codec;
  return ProfileDocument::parse(bytes, codec);
}

// Writing a whole section at once gives the file that emptying it and writing its keys one by
// one gives.
TEST(ProfileSections, AWholeSectionIsWrittenAsKeyByKeyWritesWouldWriteIt) {
  const std::vector<std::vector<ProfileEntry>> sections = {
      {},
      {{u"SettouChar1", u"str"}, {u"Kata1", u"String"}, {u"Non", u"1"}},
      {{u"a", u"1"}, {u"b", u"2"}, {u"A", u"3"}, {u" c ", u" spaced "}},
      {{u"変", u"型①"}, {u"Key1", u"68"}, {u"NUL", std::u16string(u"cut\0here", 8)}},
      {{u"ok", u"1"}, {u"x=y", u"refused"}},
  };
  for (const std::string& file : kShapes) {
    for (const std::u16string section : {u"Velmora", u"velmora ", u"Other", u"New", u"変"}) {
      for (std::size_t i = 0; i < sections.size(); ++i) {
        ProfileDocument oneByOne = parse(file);
        oneByOne.clearSection(section);
        bool written = true;
        for (const ProfileEntry& entry : sections[i]) {
          written = written && oneByOne.set(section, entry.key, entry.value);
        }
        ProfileDocument whole = parse(file);
        ASSERT_EQ(whole.replaceSection(section, sections[i]), written) << file << " / " << i;
        if (written) {
          EXPECT_EQ(whole.bytes(), oneByOne.bytes()) << file << " / " << i;
          EXPECT_EQ(whole.changed(), oneByOne.changed()) << file << " / " << i;
        }
      }
    }
  }
}

} // namespace
} // namespace velmora
