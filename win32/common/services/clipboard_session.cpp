#include "services/clipboard_session.hpp"

#include "services/system_error.hpp"

namespace velmora::win32 {

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMilliseconds = 10;

} // namespace

ClipboardSession::ClipboardSession(HWND owner) {
  for (int attempt = 1;; ++attempt) {
    if (OpenClipboard(owner) != FALSE) {
      return;
    }
    if (attempt == kOpenAttempts) {
      throwLastError(u"クリップボードを開けません。");
    }
    Sleep(kOpenRetryMilliseconds);
  }
}

ClipboardSession::~ClipboardSession() {
  CloseClipboard();
}

void ClipboardSession::empty() {
  if (EmptyClipboard() == FALSE) {
    throwLastError(u"クリップボードを空にできません。");
  }
}

bool ClipboardSession::put(UINT format, HANDLE data) {
  return data != nullptr && SetClipboardData(format, data) != nullptr;
}

} // namespace velmora::win32
