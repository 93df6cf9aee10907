#pragma once

#include "ports/atom_table.hpp"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace velmora::sim {

inline constexpr std::uint16_t kFirstStringAtom = 0xC000;
inline constexpr std::size_t kMaxAtomName = 255;

// The global atom table shared by every program of a desktop.
//
// String atoms are 0xC000 and up, reference-counted: adding a name that is already there returns
// the same atom and counts one more reference; each delete drops one and the atom goes with the
// last. Names compare case-insensitively (ASCII letters folded; other bytes compare exactly) and
// keep the spelling of their first add. "#n" with n from 1 to 0xBFFF is the integer atom n, which
// is never stored or counted. An empty name, one longer than 255 characters, an integer atom out
// of range and a full table fail with atom 0.
class SimAtomTable final : public AtomTable {
public:
  std::uint16_t add(const std::string& name) override;
  // Deletes one reference; a failed delete is counted in failedDeletes().
  void remove(std::uint16_t atom) override;

  // One delete with its outcome: false for an atom that is not in the table (or atom 0).
  bool deleteAtom(std::uint16_t atom);

  // Inspection.
  std::uint16_t find(const std::string& name) const;  // 0 when absent
  std::uint32_t count(const std::string& name) const; // references held, 0 when absent
  std::optional<std::string> name(std::uint16_t atom) const;
  std::size_t size() const { return atoms_.size(); } // string atoms in the table
  std::size_t failedDeletes() const { return failedDeletes_; }

private:
  struct Entry {
    std::string name;
    std::uint32_t references = 0;
  };

  std::map<std::uint16_t, Entry> atoms_;
  std::map<std::string, std::uint16_t> byFoldedName_;
  std::size_t failedDeletes_ = 0;
};

} // namespace velmora::sim
