#pragma once

#include <string>
#include <string_view>

namespace velmora {

// How a profile file stores its text, told by its first bytes as the system's profile functions
// tell it: UTF-16 (little-endian) after the byte-order mark FF FE, as Notepad saves "Unicode";
// UTF-8 after EF BB BF (as Wine reads it); else the ANSI code page. A file is written back in the
// encoding it was read in, so that it never holds two.
enum class ProfileEncoding { Ansi, Utf8, Utf16 };

ProfileEncoding detectProfileEncoding(std::string_view bytes);

// The byte-order mark that starts a file of that encoding ("" for the ANSI code page).
std::string_view profileByteOrderMark(ProfileEncoding encoding);

// UTF-16LE code units (the file after its mark) as 8-bit text that lines can be found in: UTF-8,
// with an unpaired surrogate kept as a three-byte sequence of its own, so that
// utf8ToUtf16Le gives the same units back. A last odd byte, half a unit, is dropped.
std::string utf16LeToUtf8(std::string_view units);
std::string utf8ToUtf16Le(std::string_view text);

} // namespace velmora
