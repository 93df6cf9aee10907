#pragma once

#include <memory>
#include <type_traits>
#include <windows.h>

namespace velmora::win32 {

// Owning handles for the GDI objects a form creates (fonts, bitmaps) and for icons.
template <typename Handle> struct GdiObjectDeleter {
  void operator()(Handle handle) const noexcept { DeleteObject(handle); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter<Handle>>;

struct IconDeleter {
  void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

} // namespace velmora::win32
