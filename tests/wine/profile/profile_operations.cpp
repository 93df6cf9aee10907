#include "profile/profile_operations.hpp"

#include <cstdio>

namespace velmora::testing {

namespace {

// Shift-JIS characters: 日 本 語 値 設 定, three with 0x5C ('\') as trail byte (表 ソ 能), the
// ideographic space (no blank for the profile functions), a circled digit, fullwidth letters.
const std::string kNichi = "\x93\xfa";
const std::string kHon = "\x96\x7b";
const std::string kGo = "\x8c\xea";
const std::string kAtai = "\x92\x6c";
const std::string kHyou = "\x95\x5c";
const std::string kSo = "\x83\x5c";
const std::string kNou = "\x94\x5c";
const std::string kIdeographicSpace = "\x81\x40";
const std::string kCircledOne = "\x87\x40";
const std::string kHalfwidthKana = "\xb6\xc0\xb6\xc5"; // ｶﾀｶﾅ

bool isPadded(const std::string& name) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  return !name.empty() && (blank(name.front()) || blank(name.back()));
}

} // namespace

std::uint64_t Prng::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

const std::vector<std::string>& profileSections() {
  static const std::vector<std::string> sections = {
      "Velmora",
      "velmora",
      "VELMORA",
      "  Velmora",
      "Velmora\t",
      " \tvElMoRa \t",
      "Other",
      "oTHER",
      "\x90\xdd\x92\xe8",         // 設定
      "\xbe\xb8\xbc\xae\xdd",     // ｾｸｼｮﾝ
      "\x82\x60\x82\x61\x82\x62", // ＡＢＣ
      "\x82\x81\x82\x82\x82\x83", // ａｂｃ: a different name, only ASCII case folds
      kHyou + kSo + " " + kNou,   // 表ソ 能
      "a]b",
      "[x",
      "Sec With Spaces",
      kIdeographicSpace + "Velmora"}; // 　Velmora: the ideographic space is part of the name
  return sections;
}

const std::vector<std::string>& profileKeys() {
  static const std::vector<std::string> keys = {"SettouChar1",
                                                "settouchar1",
                                                "SETTOUCHAR1",
                                                " Kata1 ",
                                                "\tKata1",
                                                "Kata1\t",
                                                "Non",
                                                "HotKeyFlg1",
                                                "Key1",
                                                "key1",
                                                "SettouChar12",
                                                "\x90\xda\x93\xaa\x95\xb6\x8e\x9a", // 接頭文字
                                                "\xb7\xb0",                         // ｷｰ
                                                "\x82\x6a\x82\x85\x82\x99",         // Ｋｅｙ
                                                "\x82\x8b\x82\x85\x82\x99",         // ｋｅｙ
                                                "k e y",
                                                ";comment",
                                                kHyou + "\x8e\xa6",
                                                "a[b",
                                                "name.with.dots"};
  return keys;
}

std::string ProfileOperation::describe() const {
  switch (kind) {
  case Kind::Read:
    return "read [" + escaped(section) + "] " + escaped(key);
  case Kind::Write:
    return "write [" + escaped(section) + "] " + escaped(key) + " = " + escaped(value);
  case Kind::ClearSection:
    return "clear [" + escaped(section) + "]";
  }
  return {};
}

ProfileOperation ProfileOperations::next() {
  ProfileOperation operation;
  const std::size_t roll = random_.below(100);
  operation.section = random_.pick(profileSections());
  operation.key = random_.pick(profileKeys());
  if (roll < 52) {
    operation.kind = ProfileOperation::Kind::Read;
    if (random_.chance(5)) {
      operation.key = "Missing" + std::to_string(random_.below(5));
    }
  } else if (roll < 97) {
    operation.kind = ProfileOperation::Kind::Write;
    operation.value = value();
  } else {
    // Wine's WritePrivateProfileSectionA, unlike every other profile call, does not trim the
    // section name, so a padded name clears nothing there; ours trims it as everywhere else.
    // That difference has its own test; the generated clears name sections without padding.
    operation.kind = ProfileOperation::Kind::ClearSection;
    while (isPadded(operation.section)) {
      operation.section = random_.pick(profileSections());
    }
  }
  return operation;
}

std::string ProfileOperations::value() {
  static const std::vector<std::string> fixed = {"",
                                                 "   ",
                                                 "\t",
                                                 " \t ",
                                                 "String",
                                                 "Integer",
                                                 "1",
                                                 "0",
                                                 "68",
                                                 "  padded  ",
                                                 "\tpadded\t",
                                                 " " + kNichi + kHon + kGo + " ",
                                                 "\t " + kAtai + " \t",
                                                 "\"quoted\"",
                                                 "'single'",
                                                 "\"unbalanced",
                                                 "\"\"",
                                                 "\"",
                                                 "'",
                                                 " \" inner blanks \" ",
                                                 "\"a\"b\"",
                                                 "'mixed\"",
                                                 "\"" + kNichi + kHon + "\"",
                                                 kNichi + kHon + kGo,
                                                 kHalfwidthKana,
                                                 kNichi + kIdeographicSpace + kAtai,
                                                 kIdeographicSpace + "lead",
                                                 "trail" + kIdeographicSpace,
                                                 kHyou + kSo + kNou,
                                                 kCircledOne + kCircledOne,
                                                 "a=b",
                                                 "a;b",
                                                 "[notsection]",
                                                 "x]y",
                                                 "back\\slash"};
  const std::size_t roll = random_.below(100);
  if (roll < 45) {
    return random_.pick(fixed);
  }
  if (roll < 70) {
    return longValue();
  }
  return mixedValue();
}

// Around 254 bytes, where the reads cut: single-byte runs ending next to the cut, double-byte
// characters that straddle it, quoted and padded forms.
std::string ProfileOperations::longValue() {
  std::string value;
  if (random_.chance(30)) {
    value.assign(static_cast<std::size_t>(random_.below(2)), 'x');
    for (int i = random_.between(120, 132); i > 0; --i) {
      value += random_.chance(50) ? kNichi : kHyou;
    }
  } else {
    value.assign(static_cast<std::size_t>(random_.between(246, 258)),
                 static_cast<char>('a' + random_.below(26)));
    for (int i = static_cast<int>(random_.below(4)); i > 0; --i) {
      value += random_.chance(50) ? kGo : kHalfwidthKana.substr(0, 1);
    }
  }
  if (random_.chance(30)) {
    const char quote = random_.chance(50) ? '"' : '\'';
    value = quote + value + quote;
  }
  if (random_.chance(20)) {
    value = (random_.chance(50) ? " " : "\t") + value + (random_.chance(50) ? "  " : "\t ");
  }
  return value;
}

std::string ProfileOperations::mixedValue() {
  static const std::vector<std::string> pieces = {
      "a",  "Z",   "0",   " ", "\t", kNichi,     kHyou, kSo, kHalfwidthKana.substr(0, 2),
      "\"", "'",   ";",   "=", "[",  "]",        "x",   "#", kIdeographicSpace,
      "\\", "As ", "Dim", "~", "%",  kCircledOne};
  std::string value;
  for (int i = random_.between(0, 24); i > 0; --i) {
    value += random_.pick(pieces);
  }
  return value;
}

std::string escaped(const std::string& bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

} // namespace velmora::testing
