#include "settings/profile_index.hpp"

#include "settings/profile_syntax.hpp"

namespace velmora {

namespace {

std::uint32_t hashOf(const ProfileDocument& document, const ProfileLine& line) {
  return line.asciiName ? hashProfileName(line.nameBytes()) : hashProfileName(document.name(line));
}

bool sameName(const ProfileDocument& document, const ProfileLine& a, const ProfileLine& b) {
  if (a.asciiName && b.asciiName && a.nameSize != b.nameSize) {
    return false;
  }
  return document.hasName(a, document.name(b));
}

} // namespace

std::size_t ProfileIndex::start(std::uint32_t section, std::uint32_t nameHash) const {
  std::uint32_t mixed = nameHash ^ (section * 0x9E3779B9U);
  mixed ^= mixed >> 16;
  return mixed & (slots_.size() - 1);
}

ProfileIndex::ProfileIndex(const ProfileDocument& document) {
  const std::vector<std::u16string>& sections = document.sectionNames();
  first_.assign(sections.size(), false);
  for (std::size_t s = 0; s < sections.size(); ++s) {
    first_[s] = true;
    for (std::size_t earlier = 0; earlier < s; ++earlier) {
      if (profileNamesEqual(sections[earlier], sections[s])) {
        first_[s] = false;
        break;
      }
    }
  }

  const std::vector<ProfileLine>& lines = document.lines();
  std::size_t size = 16;
  while (size < 2 * lines.size()) {
    size *= 2;
  }
  slots_.resize(size);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ProfileLine& line = lines[i];
    if (line.kind != ProfileLine::Kind::Entry || !first_[line.section]) {
      continue;
    }
    const std::uint32_t hash = hashOf(document, line);
    for (std::size_t at = start(line.section, hash);; at = (at + 1) & mask) {
      Slot& slot = slots_[at];
      if (slot.line == kEmpty) {
        slot = Slot{static_cast<std::uint32_t>(i), hash};
        break;
      }
      const ProfileLine& held = lines[slot.line];
      if (slot.hash == hash && held.section == line.section && sameName(document, held, line)) {
        break; // a later line of a name already found
      }
    }
  }
}

std::optional<std::size_t> ProfileIndex::line(const ProfileDocument& document,
                                              std::u16string_view section,
                                              std::u16string_view key) const {
  section = trimProfileBlanks(section);
  key = trimProfileBlanks(key);
  // The empty name is the lines above the first header, section 0; a header without a name is
  // never the first of its name.
  const std::vector<std::u16string>& sections = document.sectionNames();
  std::uint32_t number = kEmpty;
  for (std::size_t s = 0; s < sections.size(); ++s) {
    if (first_[s] && profileNamesEqual(sections[s], section)) {
      number = static_cast<std::uint32_t>(s);
      break;
    }
  }
  if (number == kEmpty) {
    return std::nullopt;
  }
  const std::vector<ProfileLine>& lines = document.lines();
  const std::size_t mask = slots_.size() - 1;
  const std::uint32_t hash = hashProfileName(key);
  for (std::size_t at = start(number, hash);; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.line == kEmpty) {
      return std::nullopt;
    }
    const ProfileLine& held = lines[slot.line];
    if (slot.hash == hash && held.section == number && document.hasName(held, key)) {
      return slot.line;
    }
  }
}

} // namespace velmora
