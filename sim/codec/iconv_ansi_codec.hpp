#pragma once

#include "ports/ansi_codec.hpp"

#include <memory>
#include <string>
#include <string_view>

namespace velmora::sim {

// A Windows ANSI code page on Linux, through iconv: code page 932 (Shift-JIS as Windows has it,
// iconv's "CP932") unless told otherwise. Behaves like the Windows conversions without flags:
//   - encoding: a character the code page lacks becomes '?' (one per UTF-16 unit, so a
//     surrogate pair becomes "??"); only characters that convert back unchanged count as
//     present, so iconv's one-way mappings are not used (Windows' "best fit" mappings, such as
//     U+00A5 to '\', are not either);
//   - decoding: a byte or pair of bytes that names no character becomes `undecodable` (for 932,
//     U+30FB as on Windows); a lead byte followed by a byte below 0x40, which can be no trail
//     byte, stands alone, and the next byte is read on its own;
//   - for 932, the single bytes 0x80, 0xA0 and 0xFD to 0xFF decode to U+0080, U+F8F0 and
//     U+F8F1 to U+F8F3, as on Windows, and encode back.
// Meant for single- and double-byte code pages (every Windows ANSI code page is one). The
// tables are built once per code page through iconv (a few milliseconds) and shared; the
// conversions themselves are table look-ups and safe from several threads.
class IconvAnsiCodec final : public AnsiCodec {
public:
  // Throws std::runtime_error when iconv does not know the code page.
  explicit IconvAnsiCodec(const std::string& codePage = "CP932", char16_t undecodable = u'\u30FB');

  std::string encode(std::u16string_view text) const override;
  std::u16string decode(std::string_view bytes) const override;

  struct Tables;

private:
  std::shared_ptr<const Tables> tables_;
  char16_t undecodable_;
};

} // namespace velmora::sim
