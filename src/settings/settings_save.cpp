#include "settings/settings_save.hpp"

#include "settings/settings_file.hpp"
#include "settings/settings_keys.hpp"
#include "support/text.hpp"

#include <algorithm>
#include <exception>

namespace velmora {

namespace {

bool writeAll(ProfileDocument& document, const Prefixes& prefixes, const Options& options,
              const HotKeys& hotKeys) {
  const auto set = [&document](std::u16string_view key, std::u16string_view value) {
    return document.set(kSettingsSection, key, value);
  };
  document.clearSection(kSettingsSection);
  const auto count = std::min<std::size_t>(
      static_cast<std::size_t>(std::max<std::int16_t>(prefixes.PrefixCount, 0)),
      prefixes.PrefixTable.size());
  for (std::size_t i = 0; i < count; ++i) {
    const PrefixEntry& entry = prefixes.PrefixTable[i];
    const long long k = static_cast<long long>(i) + 1;
    if (!set(numberedKey(kSettouCharKey, k), entry.SettouChar) ||
        !set(numberedKey(kKataKey, k), entry.Kata)) {
      return false;
    }
  }
  if (!set(kNonKey, decimal(options.intNon)) || !set(kTenmetsuKey, decimal(options.intTenmetsu)) ||
      !set(kCommentKey, decimal(options.intComment)) ||
      !set(kImeModeKey, decimal(options.intImeMode))) {
    return false;
  }
  for (int n = 1; n <= kHotKeySlots; ++n) {
    const HotKey& hotKey = hotKeys[static_cast<std::size_t>(n - 1)];
    if (!set(numberedKey(kHotKeyFlgKey, n), decimal(hotKey.HotKeyFlg)) ||
        !set(numberedKey(kHotKeyKeyKey, n), decimal(hotKey.Key))) {
      return false;
    }
  }
  return true;
}

} // namespace

bool SaveSettings(SettingsFile& file, const Prefixes& prefixes, const Options& options,
                  const HotKeys& hotKeys) {
  try {
    return file.update(
        [&](ProfileDocument& document) { return writeAll(document, prefixes, options, hotKeys); });
  } catch (const std::exception&) {
    // A text the code page cannot take, or a file system that gave up: nothing was written.
    return false;
  }
}

} // namespace velmora
