#include "settings/profile_index.hpp"

#include "settings/profile_syntax.hpp"

#include <unordered_set>

namespace velmora {

namespace {

std::u16string folded(std::u16string_view name) {
  std::u16string out(name);
  for (char16_t& c : out) {
    c = foldProfileName(c);
  }
  return out;
}

// Section and key in one string; a NUL can be in neither, so it keeps the pairs apart.
std::u16string lookupKey(std::u16string_view section, std::u16string_view key) {
  std::u16string out = folded(section);
  out += u'\0';
  out += folded(key);
  return out;
}

} // namespace

ProfileIndex::ProfileIndex(const ProfileDocument& document) {
  // The lines above the first header form the first section without a name.
  std::unordered_set<std::u16string> seenSections{std::u16string()};
  bool searched = true; // inside the first section of its name
  std::u16string section;
  const auto& lines = document.lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ProfileLine& line = lines[i];
    if (line.kind == ProfileLine::Kind::Section) {
      section = folded(line.name);
      searched = seenSections.insert(section).second;
    } else if (line.kind == ProfileLine::Kind::Entry && searched) {
      lines_.emplace(lookupKey(section, line.name), i);
    }
  }
}

std::optional<std::size_t> ProfileIndex::line(std::u16string_view section,
                                              std::u16string_view key) const {
  const auto found = lines_.find(lookupKey(trimProfileBlanks(section), trimProfileBlanks(key)));
  if (found == lines_.end()) {
    return std::nullopt;
  }
  return found->second;
}

} // namespace velmora
