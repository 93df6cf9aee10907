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

// Random tables over a few characters, so that prefixes overlap, repeat and begin one another,
// in the orders a user might leave them in; searched for random names and for the prefixes
// themselves, extended and cut short.
void expectSameAsLinear(const std::u16string& alphabet, std::uint32_t seed) {
  std::mt19937 random(seed);
  const auto below = [&](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
  };
  const auto text = [&](std::size_t maxLength) {
    std::u16string made(below(maxLength + 1), u' ');
    for (char16_t& c : made) {
      c = alphabet[below(alphabet.size())];
    }
    return made;
  };
  for (const std::size_t size : {0U, 1U, 2U, 5U, 17U, 60U, 200U}) {
    std::vector<PrefixEntry> entries;
    for (std::size_t i = 0; i < size; ++i) {
      std::u16string prefix = text(4);
      if (prefix.empty() && below(8) != 0) {
        prefix = text(1) + u"x"; // an empty prefix now and then, not often
      }
      entries.push_back({prefix, u"T" + std::u16string(1, char16_t(u'0' + i % 10))});
    }
    for (std::size_t i = 0; i < size / 4; ++i) { // the same prefix again, with another type
      const PrefixEntry again{entries[below(size)].SettouChar, u"T2"};
      entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(below(entries.size())), again);
    }
    std::vector<std::u16string> words{u""};
    for (int i = 0; i < 40; ++i) {
      words.push_back(text(7));
    }
    for (const PrefixEntry& entry : entries) {
      words.push_back(entry.SettouChar + text(3));
      words.push_back(entry.SettouChar.substr(0, entry.SettouChar.size() - 1));
    }
    const auto longestFirst = [](const PrefixEntry& a, const PrefixEntry& b) {
      return a.SettouChar.size() > b.SettouChar.size();
    };
    // As written, shuffled, longest first, shortest first.
    for (int order = 0; order < 4; ++order) {
      if (order == 1) {
        std::shuffle(entries.begin(), entries.end(), random);
      } else if (order == 2) {
        std::stable_sort(entries.begin(), entries.end(), longestFirst);
      } else if (order == 3) {
        std::reverse(entries.begin(), entries.end());
      }
      for (const auto count : {entries.size(), entries.size() / 2}) {
        const Prefixes prefixes(entries, static_cast<std::int16_t>(count));
        for (const std::u16string& word : words) {
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
}

TEST(PrefixSearch, ATableAtTheLimitFindsItsLastEntry) {
  std::vector<PrefixEntry> entries;
  entries.reserve(kMaxPrefixCount);
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
