#pragma once

#include "ports/ansi_codec.hpp"

namespace velmora::win32 {

// The system's ANSI code page (CP_ACP) through MultiByteToWideChar / WideCharToMultiByte,
// without flags: a character the code page lacks encodes as the code page's default character
// ('?'), bytes that name no character decode as the system decodes them. Throws HostError only
// for a text too long to hand to the system (2 GiB and more) or when the system refuses.
class Win32AnsiCodec final : public AnsiCodec {
public:
  std::string encode(std::u16string_view text) const override;
  std::u16string decode(std::string_view bytes) const override;
};

} // namespace velmora::win32
