#pragma once

#include "ports/clipboard.hpp"

#include <windows.h>

namespace velmora::win32 {

// The system clipboard. save copies what it holds (see ClipboardContents), restore empties it
// and puts that copy back, setPicture replaces its contents by a 16-colour bitmap (CF_BITMAP).
// The clipboard is opened for a hidden message-only window of the adapter, made on first use on
// the calling thread, so that what is put there has an owner. Every operation throws HostError
// with the system's description when the clipboard cannot be opened or changed.
class Win32Clipboard final : public Clipboard {
public:
  Win32Clipboard() = default;
  Win32Clipboard(const Win32Clipboard&) = delete;
  Win32Clipboard& operator=(const Win32Clipboard&) = delete;
  ~Win32Clipboard() override;

  std::unique_ptr<Saved> save() override;
  // Throws std::invalid_argument for a Saved that no Win32Clipboard made. A format that the
  // system refuses to take back is reported (HostError) after all others are back in place.
  void restore(const Saved& saved) override;
  // HostError for a picture whose size does not match its pixels.
  void setPicture(const Bitmap& picture) override;

private:
  HWND owner();

  HWND owner_ = nullptr;
};

} // namespace velmora::win32
