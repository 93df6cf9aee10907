#include "settings/settings_save.hpp"

#include "settings/settings_file.hpp"
#include "settings/settings_keys.hpp"
#include "support/text.hpp"

#include <exception>
#include <span>
#include <vector>

namespace velmora {

namespace {

// The section's new contents, in the order the settings dialog writes them.
std::vector<ProfileEntry> sectionEntries(const Prefixes& prefixes, const Options& options,
                                         const HotKeys& hotKeys) {
  std::vector<ProfileEntry> entries;
  const std::span<const PrefixEntry> pairs = prefixes.entries();
  constexpr std::size_t kOptionsAndHotKeys = 4 + 2 * static_cast<std::size_t>(kHotKeySlots);
  entries.reserve(2 * pairs.size() + kOptionsAndHotKeys);
  long long k = 0;
  for (const PrefixEntry& entry : pairs) {
    ++k;
    entries.push_back({numberedKey(kSettouCharKey, k), entry.SettouChar});
    entries.push_back({numberedKey(kKataKey, k), entry.Kata});
  }
  entries.push_back({std::u16string(kNonKey), decimal(options.intNon)});
  entries.push_back({std::u16string(kTenmetsuKey), decimal(options.intTenmetsu)});
  entries.push_back({std::u16string(kCommentKey), decimal(options.intComment)});
  entries.push_back({std::u16string(kImeModeKey), decimal(options.intImeMode)});
  for (int n = 1; n <= kHotKeySlots; ++n) {
    const HotKey& hotKey = hotKeys[static_cast<std::size_t>(n - 1)];
    entries.push_back({numberedKey(kHotKeyFlgKey, n), decimal(hotKey.HotKeyFlg)});
    entries.push_back({numberedKey(kHotKeyKeyKey, n), decimal(hotKey.Key)});
  }
  return entries;
}

} // namespace

bool SaveSettings(SettingsFile& file, const Prefixes& prefixes, const Options& options,
                  const HotKeys& hotKeys) {
  try {
    const std::vector<ProfileEntry> entries = sectionEntries(prefixes, options, hotKeys);
    return file.update([&entries](ProfileDocument& document) {
      return document.replaceSection(kSettingsSection, entries);
    });
  } catch (const std::exception&) {
    // A text the code page cannot take, or a file system that gave up: nothing was written.
    return false;
  }
}

} // namespace velmora
