#pragma once

#include "settings/profile_document.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora {

// A lookup table over a document for reading many keys: finds what ProfileDocument::find
// finds, without walking the lines each time. It holds line positions only, so the document it
// was built over is handed to every lookup.
class ProfileIndex {
public:
  explicit ProfileIndex(const ProfileDocument& document);

  // The index of the entry line that a lookup of the key stops at (the key's first line in the
  // first section of that name), or nothing.
  std::optional<std::size_t> line(const ProfileDocument& document, std::u16string_view section,
                                  std::u16string_view key) const;

private:
  // An entry line of a first section, under the hash of its name.
  struct Slot {
    std::uint32_t line = kEmpty;
    std::uint32_t hash = 0;
  };
  static constexpr std::uint32_t kEmpty = UINT32_MAX;

  std::size_t start(std::uint32_t section, std::uint32_t nameHash) const;

  // For each section number: whether it is the first section of its name.
  std::vector<bool> first_;
  std::vector<Slot> slots_; // open addressing
};

} // namespace velmora
