#include "engine/prefix_index.hpp"

#include <algorithm>
#include <numeric>

namespace velmora {

namespace {

std::size_t sharedLength(std::u16string_view a, std::u16string_view b) {
  const auto [end, unused] =
      std::mismatch(a.begin(), a.begin() + std::min(a.size(), b.size()), b.begin());
  return static_cast<std::size_t>(end - a.begin());
}

} // namespace

PrefixIndex::PrefixIndex(std::span<const PrefixEntry> entries) {
  // Positions ordered by prefix, equal prefixes by position, so the first of each is its entry.
  std::vector<std::uint32_t> order(entries.size());
  std::iota(order.begin(), order.end(), 0U);
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    return entries[a].SettouChar < entries[b].SettouChar;
  });

  // In sorted order every prefix comes right after the prefixes that begin it, so a stack of
  // the chain above the current prefix finds each one's link.
  std::vector<std::uint32_t> chain;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::u16string& prefix = entries[order[i]].SettouChar;
    if (!nodes_.empty() && nodes_.back().prefix == prefix) {
      continue;
    }
    while (!chain.empty() && !prefix.starts_with(nodes_[chain.back()].prefix)) {
      chain.pop_back();
    }
    Node node{prefix, kNoNode, order[i]};
    if (!chain.empty()) {
      node.parent = chain.back();
      node.first = std::min(node.first, nodes_[node.parent].first);
    }
    chain.push_back(static_cast<std::uint32_t>(nodes_.size()));
    nodes_.push_back(std::move(node));
  }
}

std::optional<std::size_t> PrefixIndex::firstMatch(std::u16string_view word) const {
  // The largest prefix not above the word: every prefix of the word is on its chain.
  const auto above = std::upper_bound(
      nodes_.begin(), nodes_.end(), word,
      [](std::u16string_view name, const Node& node) { return name < node.prefix; });
  if (above == nodes_.begin()) {
    return std::nullopt;
  }
  auto node = static_cast<std::uint32_t>(above - nodes_.begin() - 1);
  const std::size_t shared = sharedLength(nodes_[node].prefix, word);
  while (node != kNoNode && nodes_[node].prefix.size() > shared) {
    node = nodes_[node].parent;
  }
  if (node == kNoNode) {
    return std::nullopt;
  }
  return nodes_[node].first;
}

} // namespace velmora
