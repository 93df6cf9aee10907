#include "com/com_error.hpp"

#include <string>

namespace velmora::win32 {

namespace {

std::u16string describe(HRESULT result, std::u16string_view what) {
  std::u16string text(what);
  wchar_t* message = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  if (length != 0 && message != nullptr) {
    std::u16string system(reinterpret_cast<const char16_t*>(message), length);
    while (!system.empty() && (system.back() == u'\r' || system.back() == u'\n')) {
      system.pop_back();
    }
    text += u": ";
    text += system;
  }
  if (message != nullptr) {
    LocalFree(message);
  }
  return text;
}

} // namespace

void checkResult(HRESULT result, std::u16string_view what) {
  if (FAILED(result)) {
    throw ComError(result, describe(result, what));
  }
}

void checkStatus(LSTATUS status, std::u16string_view what) {
  if (status != ERROR_SUCCESS) {
    checkResult(HRESULT_FROM_WIN32(static_cast<DWORD>(status)), what);
  }
}

} // namespace velmora::win32
