#include "services/system_error.hpp"

#include "support/error.hpp"

namespace velmora::win32 {

std::u16string systemMessage(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::u16string text;
  if (length != 0 && buffer != nullptr) {
    text.assign(reinterpret_cast<const char16_t*>(buffer), length);
  }
  if (buffer != nullptr) {
    LocalFree(buffer);
  }
  while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' ')) {
    text.pop_back();
  }
  return text;
}

void throwLastError(std::u16string_view fallback) {
  const DWORD code = GetLastError();
  std::u16string text = code != ERROR_SUCCESS ? systemMessage(code) : std::u16string();
  if (text.empty()) {
    text = fallback;
  }
  throw HostError(std::move(text));
}

} // namespace velmora::win32
