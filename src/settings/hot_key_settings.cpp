#include "settings/hot_key_settings.hpp"

#include "settings/settings_file.hpp"
#include "settings/settings_keys.hpp"
#include "settings/vb_number.hpp"
#include "support/text.hpp"

#include <string>

namespace velmora {

namespace {

std::int32_t resolve(SettingsFile& file, std::u16string_view key, std::u16string_view text,
                     std::int32_t fallback) {
  if (isBlank(text)) {
    file.IniPut(kSettingsSection, key, decimal(fallback));
    return fallback;
  }
  return CLngFromText(text);
}

} // namespace

std::int32_t ReadHotKeyValue(SettingsFile& file, std::u16string_view key, std::int32_t fallback) {
  return resolve(file, key, file.IniGet(kSettingsSection, key), fallback);
}

std::int32_t ReadHotKeyValue(SettingsFile& file, const SettingsReader& read,
                             std::u16string_view key, std::int32_t fallback) {
  return resolve(file, key, read.IniGet(kSettingsSection, key), fallback);
}

void ReadHotKeys(SettingsFile& file, HotKeys& hotKeys) {
  ReadHotKeys(file, file.snapshot(), hotKeys);
}

// The repairs write keys that read blank, never one that is read later, so one reading of the
// file serves every read.
void ReadHotKeys(SettingsFile& file, const SettingsReader& read, HotKeys& hotKeys) {
  for (int n = 1; n <= kHotKeySlots; ++n) {
    HotKey& slot = hotKeys[static_cast<std::size_t>(n - 1)];
    slot.HotKeyFlg = ReadHotKeyValue(file, read, numberedKey(kHotKeyFlgKey, n), kDefaultHotKeyFlg);
    slot.Key = ReadHotKeyValue(file, read, numberedKey(kHotKeyKeyKey, n),
                               kDefaultHotKeyKeys[static_cast<std::size_t>(n - 1)]);
  }
}

} // namespace velmora
