#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class SettingsFile;
class SettingsReader;

struct PrefixEntry {
  std::u16string SettouChar; // prefix characters
  std::u16string Kata;       // type name
};

// The ordered prefix table: only the first PrefixCount records are valid, in search order;
// the vector may be longer and its tail is ignored.
struct Prefixes {
  std::vector<PrefixEntry> PrefixTable;
  std::int16_t PrefixCount = 0;
};

// The most pairs the table holds: PrefixCount is a 16-bit count. Pairs past it in the file
// are not loaded.
inline constexpr std::int16_t kMaxPrefixCount = 32767;

// Refills the table from the settings file; it ends at the first missing or blank pair.
// PrefixCount starts at 0 and the vector is not cleared: pair n ("SettouChar"n, "Kata"n,
// n = 1, 2, ...) overwrites element n - 1 or is appended. Values are stored as read
// (untrimmed); only the test for blankness ignores the spaces at both ends. The file is read
// once.
void LoadPrefixTable(const SettingsFile& file, Prefixes& prefixes);

// The same from a reader (a snapshot, or any other source of IniGet).
void LoadPrefixTable(const SettingsReader& file, Prefixes& prefixes);

} // namespace velmora
