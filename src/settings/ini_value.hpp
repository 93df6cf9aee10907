#pragma once

#include "ports/ansi_codec.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The settings are read with a zero-filled 256-byte buffer whose size is given as 255, so at
// most 254 bytes of a value come back, followed by a NUL.
inline constexpr std::size_t kIniBufferSize = 255;

// What IniGet makes of a lookup: the value as the profile functions hand it back into that
// buffer, up to its first NUL or line break; "" when the key was not found.
std::u16string IniValue(const std::optional<std::u16string>& stored, const AnsiCodec& codec);

// A section or key name as the profile functions receive it: a C string, ending at a NUL.
std::u16string_view IniName(std::u16string_view name);

} // namespace velmora
