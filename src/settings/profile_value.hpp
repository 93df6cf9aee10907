#pragma once

#include "ports/ansi_codec.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// How a stored value comes back from the ANSI profile functions.

// The longest start of `text` whose ANSI bytes number at most `maxBytes`, cut between
// characters: a double-byte character (or a surrogate pair) that does not fit whole is left
// out rather than halved, so the result may be a byte short of the limit. (Wine under code page
// 932 does the same; a halved character would read back as a stray byte.)
std::u16string cutToAnsiBytes(std::u16string_view text, std::size_t maxBytes,
                              const AnsiCodec& codec);

// The value as a caller with a buffer of `bufferSize` bytes gets it: without enclosing quotes,
// then cut to bufferSize - 1 bytes (the last byte holds the NUL). The quotes are removed before
// the cut, so a long quoted value loses its closing quote, never a character of its own.
std::u16string returnedProfileValue(std::u16string_view stored, std::size_t bufferSize,
                                    const AnsiCodec& codec);

} // namespace velmora
