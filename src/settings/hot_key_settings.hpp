#pragma once

#include "hotkey/hot_key.hpp"

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

class SettingsFile;
class SettingsReader;

// What a missing or blank hotkey value stands for: Ctrl+Shift and the keys D, P, G and B for
// slots 1 to 4.
inline constexpr std::int32_t kDefaultHotKeyFlg = kModControl | kModShift;
inline constexpr std::array<std::int32_t, kHotKeySlots> kDefaultHotKeyKeys{68, 80, 71, 66};

// Reads one hotkey value ("HotKeyFlg"n or "Key"n) from section "Velmora". A blank or missing
// value gives `fallback`, which is written back at once as decimal text (a failed write is not
// reported). Any other text is converted with CLngFromText, which throws Error when it is not a
// number or out of range.
std::int32_t ReadHotKeyValue(SettingsFile& file, std::u16string_view key, std::int32_t fallback);
// The same, reading from `read` (the file as it was read a moment ago) and repairing the file.
std::int32_t ReadHotKeyValue(SettingsFile& file, const SettingsReader& read,
                             std::u16string_view key, std::int32_t fallback);

// Reads the four hotkeys, repairing missing values: for n = 1 to 4 "HotKeyFlg"n, then "Key"n,
// each stored into its slot as soon as it is read. When a value throws, the slots and values
// before it are already updated (and repaired in the file) and the rest keep theirs. The file
// is parsed once, plus once per repair.
void ReadHotKeys(SettingsFile& file, HotKeys& hotKeys);
// The same, reading from `read` (the file as it was read a moment ago) and repairing the file:
// no parse but the repairs'.
void ReadHotKeys(SettingsFile& file, const SettingsReader& read, HotKeys& hotKeys);

} // namespace velmora
