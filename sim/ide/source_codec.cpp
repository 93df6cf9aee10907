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

SourceCodec SourceCodec::detect(std::string_view bytes, const AnsiCodePage& ansi,
                                std::u16string_view fileName) {
  if (isUtf8(bytes)) {
    return {SourceEncoding::Utf8, nullptr};
  }
  if (!ansi.codec) {
    throw Error(u"UTF-8 ではないファイルは読み込めません: " + std::u16string(fileName));
  }
  if (ansi.codec->encode(ansi.codec->decode(bytes)) != bytes) {
    throw Error(u"コード ページ " + ansi.name +
                u" で読み書きすると内容が変わるファイルは開けません: " + std::u16string(fileName));
  }
  return {SourceEncoding::Ansi, ansi.codec};
}

std::u16string SourceCodec::decode(std::string_view bytes) const {
  return encoding_ == SourceEncoding::Ansi ? ansi_->decode(bytes) : fromUtf8(bytes);
}

std::string SourceCodec::encode(std::u16string_view text) const {
  return encoding_ == SourceEncoding::Ansi ? ansi_->encode(text) : toUtf8(text);
}

} // namespace velmora::sim
