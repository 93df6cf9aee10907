#include "services/win32_clipboard.hpp"

#include "services/clipboard_contents.hpp"
#include "services/clipboard_session.hpp"
#include "services/picture_bitmap.hpp"
#include "services/system_error.hpp"
#include "support/error.hpp"

#include <stdexcept>

namespace velmora::win32 {

Win32Clipboard::~Win32Clipboard() {
  if (owner_ != nullptr) {
    DestroyWindow(owner_);
  }
}

HWND Win32Clipboard::owner() {
  if (owner_ == nullptr) {
    owner_ =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (owner_ == nullptr) {
      throwLastError(u"クリップボード用のウィンドウを作成できません。");
    }
  }
  return owner_;
}

std::unique_ptr<Clipboard::Saved> Win32Clipboard::save() {
  const ClipboardSession session(owner());
  return ClipboardContents::capture();
}

void Win32Clipboard::restore(const Saved& saved) {
  const auto* contents = dynamic_cast<const ClipboardContents*>(&saved);
  if (contents == nullptr) {
    throw std::invalid_argument("clipboard contents saved elsewhere");
  }
  ClipboardSession session(owner());
  session.empty();
  if (!contents->putBack()) {
    throw HostError(u"クリップボードの内容の一部を元に戻せませんでした。");
  }
}

void Win32Clipboard::setPicture(const Bitmap& picture) {
  HBITMAP bitmap = makePictureBitmap(picture);
  try {
    ClipboardSession session(owner());
    session.empty();
    if (!session.put(CF_BITMAP, bitmap)) {
      throwLastError(u"クリップボードに絵を置けません。");
    }
  } catch (...) {
    DeleteObject(bitmap);
    throw;
  }
}

} // namespace velmora::win32
