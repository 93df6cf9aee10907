#include "services/win32_ansi_codec.hpp"

#include "services/system_error.hpp"
#include "support/error.hpp"

#include <climits>
#include <windows.h>

namespace velmora::win32 {

namespace {

constexpr std::u16string_view kConversionFailed = u"文字コードを変換できません。";

int lengthForSystem(std::size_t size) {
  if (size > static_cast<std::size_t>(INT_MAX)) {
    throw HostError(u"変換する文字列が長すぎます。");
  }
  return static_cast<int>(size);
}

} // namespace

std::string Win32AnsiCodec::encode(std::u16string_view text) const {
  if (text.empty()) {
    return {};
  }
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = lengthForSystem(text.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) {
    throwLastError(kConversionFailed);
  }
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data(), size, nullptr, nullptr) != size) {
    throwLastError(kConversionFailed);
  }
  return bytes;
}

std::u16string Win32AnsiCodec::decode(std::string_view bytes) const {
  if (bytes.empty()) {
    return {};
  }
  const int length = lengthForSystem(bytes.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  if (size <= 0) {
    throwLastError(kConversionFailed);
  }
  std::u16string text(static_cast<std::size_t>(size), u'\0');
  if (MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(text.data()),
                          size) != size) {
    throwLastError(kConversionFailed);
  }
  return text;
}

} // namespace velmora::win32
