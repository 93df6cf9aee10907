#pragma once

#include "settings/profile_document.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace velmora {

// A lookup table over a document for reading many keys: finds what ProfileDocument::find
// finds, without walking the lines each time.
class ProfileIndex {
public:
  explicit ProfileIndex(const ProfileDocument& document);

  // The index of the entry line that a lookup of the key stops at (the key's first line in the
  // first section of that name), or nothing.
  std::optional<std::size_t> line(std::u16string_view section, std::u16string_view key) const;

private:
  std::unordered_map<std::u16string, std::size_t> lines_;
};

} // namespace velmora
