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

void ReadHotKeys(SettingsFile& file, HotKeys& hotKeys) {
  // The repairs write keys that read blank, never one that is read later, so one snapshot
  // serves every read.
  const SettingsSnapshot snapshot = file.snapshot();
  for (int n = 1; n <= kHotKeySlots; ++n) {
    HotKey& slot = hotKeys[static_cast<std::size_t>(n - 1)];
    const std::u16string flagKey = numberedKey(kHotKeyFlgKey, n);
    slot.HotKeyFlg =
        resolve(file, flagKey, snapshot.IniGet(kSettingsSection, flagKey), kDefaultHotKeyFlg);
    const std::u16string keyKey = numberedKey(kHotKeyKeyKey, n);
    slot.Key = resolve(file, keyKey, snapshot.IniGet(kSettingsSection, keyKey),
                       kDefaultHotKeyKeys[static_cast<std::size_t>(n - 1)]);
  }
}

} // namespace velmora
