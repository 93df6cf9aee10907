#pragma once

#include "ports/ansi_codec.hpp"

#include <string>
#include <string_view>

namespace velmora::sim {

// UTF-8 in place of an ANSI code page, for tests and tools that want files readable as they
// are: every character encodes; malformed bytes decode to U+FFFD.
class Utf8Codec final : public AnsiCodec {
public:
  std::string encode(std::u16string_view text) const override;
  std::u16string decode(std::string_view bytes) const override;
};

} // namespace velmora::sim
