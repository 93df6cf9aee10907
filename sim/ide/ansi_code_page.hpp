#pragma once

#include "ports/ansi_codec.hpp"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>

namespace velmora::sim {

// The ANSI code page that source files not in UTF-8 are read and written in: its conversions,
// and its name as messages give it ("932"). Without a codec such files cannot be read.
struct AnsiCodePage {
  AnsiCodePage() = default;
  AnsiCodePage(std::nullptr_t) {} // NOLINT(google-explicit-constructor): no code page
  // Any pointer to a codec converts, so that a caller may hand over the codec alone.
  template <class Codec>
  AnsiCodePage(std::shared_ptr<Codec> converter, // NOLINT(google-explicit-constructor)
               std::u16string codePageName = u"ANSI")
      : codec(std::move(converter)), name(std::move(codePageName)) {}

  std::shared_ptr<const AnsiCodec> codec;
  std::u16string name = u"ANSI";
};

} // namespace velmora::sim
