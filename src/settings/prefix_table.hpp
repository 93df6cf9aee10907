#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class SettingsFile;

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

// Refills the table from the settings file; it ends at the first missing or blank pair.
void LoadPrefixTable(const SettingsFile& file, Prefixes& prefixes);

} // namespace velmora
