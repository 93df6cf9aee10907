#include "settings/prefix_table.hpp"

#include "settings/settings_file.hpp"
#include "settings/settings_keys.hpp"
#include "support/text.hpp"

namespace velmora {

void LoadPrefixTable(const SettingsReader& file, Prefixes& prefixes) {
  prefixes.PrefixCount = 0;
  while (prefixes.PrefixCount < kMaxPrefixCount) {
    const long long n = prefixes.PrefixCount + 1;
    std::u16string settouChar = file.IniGet(kSettingsSection, numberedKey(kSettouCharKey, n));
    std::u16string kata = file.IniGet(kSettingsSection, numberedKey(kKataKey, n));
    if (isBlank(settouChar) || isBlank(kata)) {
      break;
    }
    const auto index = static_cast<std::size_t>(prefixes.PrefixCount);
    if (prefixes.PrefixTable.size() <= index) {
      prefixes.PrefixTable.resize(index + 1);
    }
    prefixes.PrefixTable[index] = PrefixEntry{std::move(settouChar), std::move(kata)};
    ++prefixes.PrefixCount;
  }
}

void LoadPrefixTable(const SettingsFile& file, Prefixes& prefixes) {
  const SettingsSnapshot snapshot = file.snapshot();
  LoadPrefixTable(static_cast<const SettingsReader&>(snapshot), prefixes);
}

} // namespace velmora
