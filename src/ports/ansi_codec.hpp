#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The system's ANSI code page (932 on Japanese Windows), as the profile files store text.
class AnsiCodec {
public:
  virtual ~AnsiCodec() = default;

  virtual std::string encode(std::u16string_view text) const = 0;
  virtual std::u16string decode(std::string_view bytes) const = 0;
};

} // namespace velmora
