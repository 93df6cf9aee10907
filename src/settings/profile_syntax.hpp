#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

// The lexical rules of profile (INI) files as the Windows profile functions apply them.

// The blanks trimmed around lines, names and values: tab, line feed, vertical tab, form feed,
// carriage return, the DOS end-of-file mark (0x1A) and the space. Other characters, the
// ideographic space (U+3000) among them, are kept.
constexpr bool isProfileBlank(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20;
}

// The text without the profile blanks at both ends.
std::u16string_view trimProfileBlanks(std::u16string_view text);

// Section and key names compare without regard to the case of the ASCII letters A to Z; every
// other character compares exactly.
constexpr char16_t foldProfileName(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}
bool profileNamesEqual(std::u16string_view a, std::u16string_view b);

// A hash of a name that names equal as above share: of its UTF-16 units, or of the bytes of an
// ASCII name (which are its units), folded.
std::uint32_t hashProfileName(std::u16string_view name);
std::uint32_t hashProfileName(std::string_view asciiName);

// A value enclosed in a pair of equal quotes (' or "), two characters long at least, comes back
// without them; anything else comes back as stored.
std::u16string_view stripProfileQuotes(std::u16string_view value);

} // namespace velmora
