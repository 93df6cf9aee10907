#include "sim/ide/source_codec.hpp"

#include "support/error.hpp"
#include "support/utf.hpp"

namespace velmora::sim {

namespace {

// Bytes are UTF-8 when decoding and encoding again gives them back unchanged (malformed,
// overlong and surrogate sequences do not survive the trip).
bool isUtf8(std::string_view bytes) {
  return toUtf8(fromUtf8(bytes)) == bytes;
}

} // namespace

SourceCodec SourceCodec::detect(std::string_view bytes, std::shared_ptr<const AnsiCodec> ansi,
                                std::u16string_view fileName) {
  if (isUtf8(bytes)) {
    return {SourceEncoding::Utf8, nullptr};
  }
  if (!ansi) {
    throw Error(u"UTF-8 ではないファイルは読み込めません: " + std::u16string(fileName));
  }
  return {SourceEncoding::Ansi, std::move(ansi)};
}

std::u16string SourceCodec::decode(std::string_view bytes) const {
  return encoding_ == SourceEncoding::Ansi ? ansi_->decode(bytes) : fromUtf8(bytes);
}

std::string SourceCodec::encode(std::u16string_view text) const {
  return encoding_ == SourceEncoding::Ansi ? ansi_->encode(text) : toUtf8(text);
}

} // namespace velmora::sim
