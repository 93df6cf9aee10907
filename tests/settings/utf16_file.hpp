#pragma once

#include <string>
#include <string_view>

namespace velmora::testing {

// A file's bytes in UTF-16LE with its byte-order mark, as Notepad saves "Unicode".
inline std::string utf16File(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

} // namespace velmora::testing
