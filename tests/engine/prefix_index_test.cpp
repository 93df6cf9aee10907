#include "settings/prefix_table.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace velmora {
namespace {

// The search the index stands in for: entry by entry from the top, the first whose prefix begins
// the word.
const PrefixEntry* linearFind(const Prefixes& prefixes, std::u16string_view word) {
  for (const PrefixEntry& entry : prefixes.entries()) {
    if (word.starts_with(entry.SettouChar)) {
      return &entry;
    }
  }
  return nullptr;
}

// Random tables and names over a few characters, so that prefixes overlap, repeat and begin
// one another.
class Generator {
public:
  Generator(std::uint32_t seed, std::u16string alphabet)
      : random_(seed), alphabet_(std::move(alphabet)) {}

  std::u16string text(std::size_t maxLength) {
    std::u16string text;
    const std::size_t length = below(maxLength + 1);
    for (std::size_t i = 0; i < length; ++i) {
      text += alphabet_[below(alphabet_.size())];
    }
    return text;
  }
  std::size_t below(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
  }
  std::mt19937& random() { return random_; }

private:
  std::mt19937 random_;
  std::u16string alphabet_;
};

std::vector<PrefixEntry> table(Generator& generate, std::size_t size) {
  std::vector<PrefixEntry> entries;
  for (std::size_t i = 0; i < size; ++i) {
    std::u16string prefix = generate.text(4);
    if (prefix.empty() && generate.below(8) != 0) {
      prefix = generate.text(1) + u"x"; // an empty prefix now and then, not often
    }
    entries.push_back({std::move(prefix), u"T" + std::u16string(1, char16_t(u'0' + i % 10))});
  }
  // The same prefix more than once, with another type.
  for (std::size_t i = 0; i < size / 4; ++i) {
    PrefixEntry again = entries[generate.below(entries.size())];
    again.Kata += u"2";
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(generate.below(entries.size())),
                   std::move(again));
  }
  return entries;
}

// The table in the orders a user might leave it in.
std::vector<std::vector<PrefixEntry>> orders(std::vector<PrefixEntry> entries,
                                             Generator& generate) {
  std::vector<std::vector<PrefixEntry>> all{entries};
  std::shuffle(entries.begin(), entries.end(), generate.random());
  all.push_back(entries);
  const auto byPrefix = [](const PrefixEntry& a, const PrefixEntry& b) {
    return a.SettouChar < b.SettouChar;
  };
  std::stable_sort(entries.begin(), entries.end(), byPrefix);
  all.push_back(entries);
  std::reverse(entries.begin(), entries.end());
  all.push_back(entries);
  std::stable_sort(entries.begin(), entries.end(), [](const PrefixEntry& a, const PrefixEntry& b) {
    return a.SettouChar.size() > b.SettouChar.size(); // longest first, as users order them
  });
  all.push_back(entries);
  std::reverse(entries.begin(), entries.end());
  all.push_back(entries);
  return all;
}

// Names to look up: random ones, the prefixes themselves, prefixes cut short and extended.
std::vector<std::u16string> words(const std::vector<PrefixEntry>& entries, Generator& generate) {
  std::vector<std::u16string> words{u""};
  for (int i = 0; i < 40; ++i) {
    words.push_back(generate.text(7));
  }
  for (const PrefixEntry& entry : entries) {
    words.push_back(entry.SettouChar);
    words.push_back(entry.SettouChar + generate.text(3));
    if (!entry.SettouChar.empty()) {
      words.push_back(entry.SettouChar.substr(0, entry.SettouChar.size() - 1));
    }
  }
  return words;
}

void expectSameAsLinear(const std::u16string& alphabet, std::uint32_t seed) {
  Generator generate(seed, alphabet);
  for (const std::size_t size : {0U, 1U, 2U, 5U, 17U, 60U, 200U}) {
    for (const auto& entries : orders(table(generate, size), generate)) {
      for (const auto count : {entries.size(), entries.size() / 2}) {
        const Prefixes prefixes(entries, static_cast<std::int16_t>(count));
        for (const std::u16string& word : words(entries, generate)) {
          ASSERT_EQ(prefixes.find(word), linearFind(prefixes, word))
              << "seed " << seed << ", " << entries.size() << " entries, " << count << " valid";
        }
      }
    }
  }
}

TEST(PrefixSearch, FindsWhatTheLinearSearchFindsOnGeneratedTables) {
  // ASCII with both cases (the search is case-sensitive).
  expectSameAsLinear(u"abcAB", 1);
  expectSameAsLinear(u"ab", 2);
  // Japanese, half-width kana, and a character outside the BMP that shares its first unit with
  // another (U+20BB7 and U+20B9F).
  expectSameAsLinear(u"文字型列ｶﾅ", 3);
  expectSameAsLinear(u"\xD842\xDFB7\xDF9F"
                     u"a",
                     4);
  expectSameAsLinear(u"str文s", 5);
}

TEST(PrefixSearch, ATableAtTheLimitFindsItsLastEntry) {
  std::vector<PrefixEntry> entries;
  for (int n = 0; n < kMaxPrefixCount - 1; ++n) {
    entries.push_back({u"p" + std::u16string(1, char16_t(u'a' + n % 26)) + u"_" +
                           std::u16string(1, char16_t(0x4E00 + n)),
                       u"T"});
  }
  entries.push_back({u"str", u"String"});
  const Prefixes prefixes(entries);
  ASSERT_EQ(prefixes.PrefixCount(), kMaxPrefixCount);
  EXPECT_EQ(prefixes.find(u"strName"), &prefixes.PrefixTable().back());
  EXPECT_EQ(prefixes.find(u"pa_\u4E00x"), &prefixes.PrefixTable().front());
  EXPECT_EQ(prefixes.find(u"pa_"), nullptr);
}

TEST(PrefixSearch, AChangedTableIsSearchedAsItNowIs) {
  Prefixes prefixes({{u"s", u"Single"}, {u"str", u"String"}});
  EXPECT_EQ(prefixes.find(u"strName")->Kata, u"Single");
  prefixes.assign({{u"str", u"String"}, {u"s", u"Single"}}, 2);
  EXPECT_EQ(prefixes.find(u"strName")->Kata, u"String");
  prefixes.assign({{u"str", u"String"}, {u"s", u"Single"}}, 1);
  EXPECT_EQ(prefixes.find(u"sngRate"), nullptr) << "past PrefixCount";
  const std::vector<PrefixEntry> table = prefixes.releaseTable();
  EXPECT_EQ(table.size(), 2U);
  EXPECT_EQ(prefixes.find(u"strName"), nullptr);
  EXPECT_EQ(prefixes.PrefixCount(), 0);
}

} // namespace
} // namespace velmora
