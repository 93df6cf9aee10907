#pragma once

#include "ports/bitmap.hpp"

#include <windows.h>

namespace velmora::win32 {

// A device-dependent bitmap for the screen showing `picture` pixel for pixel, its 16 colours
// those of the VGA palette, made through a 4-bit device-independent bitmap with that palette.
// Throws HostError for a picture whose size does not match its pixels, or when the system
// refuses. The caller owns the bitmap.
HBITMAP makePictureBitmap(const Bitmap& picture);

} // namespace velmora::win32
