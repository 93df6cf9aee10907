#pragma once

#include "sim/ide/ansi_code_page.hpp"

#include <memory>
#include <string>
#include <string_view>

namespace velmora::sim {

enum class SourceEncoding { Utf8, Ansi };

// How the text of one source file is stored on disk: UTF-8, or the ANSI code page when the
// bytes are not UTF-8 and a codec for it is at hand.
class SourceCodec {
public:
  // UTF-8.
  SourceCodec() : SourceCodec(SourceEncoding::Utf8, nullptr) {}

  // Chooses the encoding of `bytes` (a whole file, without its byte order mark). Raises Error,
  // naming `fileName` (and the code page), when they are not UTF-8 and there is no ANSI codec,
  // or when they do not come back byte for byte from the code page's text: reading them would
  // replace characters, and writing the file back would lose them.
  static SourceCodec detect(std::string_view bytes, const AnsiCodePage& ansi,
                            std::u16string_view fileName);

  SourceEncoding encoding() const { return encoding_; }
  std::u16string decode(std::string_view bytes) const;
  std::string encode(std::u16string_view text) const;

private:
  SourceCodec(SourceEncoding encoding, std::shared_ptr<const AnsiCodec> ansi)
      : encoding_(encoding), ansi_(std::move(ansi)) {}

  SourceEncoding encoding_;
  std::shared_ptr<const AnsiCodec> ansi_;
};

} // namespace velmora::sim
