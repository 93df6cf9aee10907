#include "forms/unhandled_error.hpp"

#include "forms/wide_text.hpp"
#include "ports/message_box.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

#include <exception>
#include <string>
#include <windows.h>

namespace velmora::win32 {

namespace {

std::u16string describeCurrentException() {
  try {
    throw;
  } catch (const Error& error) {
    return error.description();
  } catch (const std::exception& error) {
    return fromUtf8(error.what());
  } catch (...) {
    return u"予期しないエラーが発生しました。";
  }
}

} // namespace

void reportUnhandledException() noexcept {
  try {
    const std::wstring text = wide(describeCurrentException());
    const std::wstring title = wide(kApplicationTitle);
    MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
    // Nothing more can be done for the user here; the message is dropped.
    MessageBeep(MB_ICONERROR);
  }
}

} // namespace velmora::win32
