#include "settings/options.hpp"

#include "settings/settings_file.hpp"
#include "settings/settings_keys.hpp"
#include "settings/vb_number.hpp"
#include "support/text.hpp"

#include <string>

namespace velmora {

std::int16_t ReadOption(const SettingsReader& file, std::u16string_view key) {
  const std::u16string value = file.IniGet(kSettingsSection, key);
  if (isBlank(value)) {
    return CIntFromText(u"1");
  }
  return CIntFromText(value);
}

void LoadOptions(const SettingsReader& file, Options& options) {
  options.intNon = ReadOption(file, kNonKey);
  options.intTenmetsu = ReadOption(file, kTenmetsuKey);
  options.intComment = ReadOption(file, kCommentKey);
  options.intImeMode = ReadOption(file, kImeModeKey);
}

void LoadOptions(const SettingsFile& file, Options& options) {
  const SettingsSnapshot snapshot = file.snapshot();
  LoadOptions(static_cast<const SettingsReader&>(snapshot), options);
}

} // namespace velmora
