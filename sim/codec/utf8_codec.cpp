#include "sim/codec/utf8_codec.hpp"

#include "support/utf.hpp"

namespace velmora::sim {

std::string Utf8Codec::encode(std::u16string_view text) const {
  return toUtf8(text);
}

std::u16string Utf8Codec::decode(std::string_view bytes) const {
  return fromUtf8(bytes);
}

} // namespace velmora::sim
