#include "sim/system/sim_atom_table.hpp"

#include <limits>

namespace velmora::sim {
namespace {

constexpr std::uint32_t kLastIntegerAtom = 0xBFFF;

std::string folded(const std::string& name) {
  std::string result = name;
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return result;
}

// "#" followed by decimal digits names an integer atom: its value, or 0 when out of range.
// Anything else is a string atom (std::nullopt).
std::optional<std::uint32_t> integerAtom(const std::string& name) {
  if (name.size() < 2 || name.front() != '#') {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  for (std::size_t i = 1; i < name.size(); ++i) {
    const char c = name[i];
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    if (value <= kLastIntegerAtom) {
      value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
  }
  return value <= kLastIntegerAtom ? value : 0;
}

} // namespace

std::uint16_t SimAtomTable::add(const std::string& name) {
  if (name.empty() || name.size() > kMaxAtomName) {
    return 0;
  }
  if (const auto integer = integerAtom(name)) {
    return static_cast<std::uint16_t>(*integer);
  }
  const std::string key = folded(name);
  if (const auto found = byFoldedName_.find(key); found != byFoldedName_.end()) {
    ++atoms_.at(found->second).references;
    return found->second;
  }
  // The lowest free value, as a freed slot of the table is used again.
  std::uint32_t atom = kFirstStringAtom;
  for (const auto& [value, entry] : atoms_) {
    if (value != atom) {
      break;
    }
    ++atom;
  }
  if (atom > std::numeric_limits<std::uint16_t>::max()) {
    return 0;
  }
  const auto value = static_cast<std::uint16_t>(atom);
  atoms_.emplace(value, Entry{name, 1});
  byFoldedName_.emplace(key, value);
  return value;
}

void SimAtomTable::remove(std::uint16_t atom) {
  if (!deleteAtom(atom)) {
    ++failedDeletes_;
  }
}

bool SimAtomTable::deleteAtom(std::uint16_t atom) {
  if (atom == 0) {
    return false;
  }
  if (atom < kFirstStringAtom) {
    return true;
  }
  const auto found = atoms_.find(atom);
  if (found == atoms_.end()) {
    return false;
  }
  if (--found->second.references == 0) {
    byFoldedName_.erase(folded(found->second.name));
    atoms_.erase(found);
  }
  return true;
}

std::uint16_t SimAtomTable::find(const std::string& name) const {
  if (name.empty() || name.size() > kMaxAtomName) {
    return 0;
  }
  if (const auto integer = integerAtom(name)) {
    return static_cast<std::uint16_t>(*integer);
  }
  const auto found = byFoldedName_.find(folded(name));
  return found == byFoldedName_.end() ? 0 : found->second;
}

std::uint32_t SimAtomTable::count(const std::string& name) const {
  const std::uint16_t atom = find(name);
  const auto found = atoms_.find(atom);
  return found == atoms_.end() ? 0 : found->second.references;
}

std::optional<std::string> SimAtomTable::name(std::uint16_t atom) const {
  const auto found = atoms_.find(atom);
  if (found == atoms_.end()) {
    return std::nullopt;
  }
  return found->second.name;
}

} // namespace velmora::sim
