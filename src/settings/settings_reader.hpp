#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Something the settings can be read from: the settings file itself, or a snapshot of it taken
// to read many keys with one parse.
class SettingsReader {
public:
  virtual ~SettingsReader() = default;

  // The value of `key` in `section`: "" when the file, the section or the key is missing or
  // on any failure; cut to 254 bytes in the ANSI code page; not trimmed.
  virtual std::u16string IniGet(std::u16string_view section, std::u16string_view key) const = 0;
};

} // namespace velmora
