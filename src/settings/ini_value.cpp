#include "settings/ini_value.hpp"

#include "settings/profile_value.hpp"

#include <algorithm>

namespace velmora {

std::u16string IniValue(const std::optional<std::u16string>& stored, const AnsiCodec& codec) {
  if (!stored) {
    return {};
  }
  std::u16string value = returnedProfileValue(*stored, kIniBufferSize, codec);
  // The buffer's text ends at its first NUL. Nor does a value ever hold a line break, whatever a
  // decoder made of its bytes: the file's lines end there, and a value goes into code as one line.
  value.resize(std::min(value.size(), value.find_first_of(std::u16string_view(u"\0\r\n", 3))));
  return value;
}

std::u16string_view IniName(std::u16string_view name) {
  return name.substr(0, name.find(u'\0'));
}

} // namespace velmora
