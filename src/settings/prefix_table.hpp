#pragma once

#include "engine/prefix_index.hpp"
#include "settings/prefix_entry.hpp"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

class SettingsFile;
class SettingsReader;

// The most pairs the table holds: PrefixCount is a 16-bit count. Pairs past it in the file
// are not loaded.
inline constexpr std::int16_t kMaxPrefixCount = 32767;

// The ordered prefix table: only the first PrefixCount records are valid, in search order; the
// vector may be longer and its tail is ignored. The table changes only as a whole, and every
// change rebuilds the index the declarations search it through.
class Prefixes {
public:
  Prefixes() = default;
  // Every record valid.
  explicit Prefixes(std::vector<PrefixEntry> table);
  Prefixes(std::vector<PrefixEntry> table, std::int16_t count);

  const std::vector<PrefixEntry>& PrefixTable() const { return table_; }
  std::int16_t PrefixCount() const { return count_; }

  // The valid records: the first PrefixCount, as many as the vector holds.
  std::span<const PrefixEntry> entries() const;

  // The first valid record, in table order, whose SettouChar the word begins with (exactly,
  // unit by unit); null when there is none.
  const PrefixEntry* find(std::u16string_view word) const;

  void assign(std::vector<PrefixEntry> table, std::int16_t count);
  // Hands the vector over (to be refilled and assigned again); the table is then empty.
  std::vector<PrefixEntry> releaseTable();

private:
  std::vector<PrefixEntry> table_;
  std::int16_t count_ = 0;
  PrefixIndex index_;
};

// Refills the table from the settings file; it ends at the first missing or blank pair.
// PrefixCount starts at 0 and the vector is not cleared: pair n ("SettouChar"n, "Kata"n,
// n = 1, 2, ...) overwrites element n - 1 or is appended. Values are stored as read
// (untrimmed); only the test for blankness ignores the spaces at both ends. The file is read
// once.
void LoadPrefixTable(const SettingsFile& file, Prefixes& prefixes);

// The same from a reader (a snapshot, or any other source of IniGet).
void LoadPrefixTable(const SettingsReader& file, Prefixes& prefixes);

} // namespace velmora
