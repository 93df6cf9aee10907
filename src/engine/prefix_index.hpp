#pragma once

#include "settings/prefix_entry.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The prefixes of a table, arranged so that the first entry, in table order, whose prefix begins
// a name is found without walking the table: the answer of a search from the top, in time that
// grows with the name's length and the logarithm of the table's size.
//
// The distinct prefixes are kept sorted, each with the table position of its first entry and a
// link to the longest other prefix that begins it. The prefixes that begin a name are the ones
// on the chain of links from the largest prefix not above the name, once that chain has come
// down to the characters the two share; each prefix also keeps the smallest position on its
// chain, so the walk ends at the answer.
class PrefixIndex {
public:
  // An index over no entries.
  PrefixIndex() = default;
  explicit PrefixIndex(std::span<const PrefixEntry> entries);

  // The position of the first entry whose SettouChar the word starts with, compared unit by
  // unit and with case; nothing when none does.
  std::optional<std::size_t> firstMatch(std::u16string_view word) const;

private:
  static constexpr std::uint32_t kNoNode = UINT32_MAX;

  struct Node {
    std::u16string prefix;
    std::uint32_t parent = kNoNode; // the longest other prefix that begins this one
    std::uint32_t first = 0;        // the smallest table position on the chain up from here
  };

  std::vector<Node> nodes_; // sorted by prefix, each prefix once
};

} // namespace velmora
