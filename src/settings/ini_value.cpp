#include "settings/ini_value.hpp"

#include "settings/profile_value.hpp"

#include <algorithm>

namespace velmora {

std::u16string IniValue(const std::optional<std::u16string>& stored, const AnsiCodec& codec) {
  if (!stored) {
    return {};
  }
  std::u16string value = returnedProfileValue(*stored, kIniBufferSize, codec);
  value.resize(std::min(value.size(), value.find(u'\0')));
  return value;
}

std::u16string_view IniName(std::u16string_view name) {
  return name.substr(0, name.find(u'\0'));
}

} // namespace velmora
