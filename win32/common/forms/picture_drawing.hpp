#pragma once

#include "forms/gdi_handles.hpp"
#include "ports/bitmap.hpp"

#include <windows.h>

namespace velmora::win32 {

// The colour of a palette index of the 16-colour pictures.
COLORREF paletteColour(Colour16 colour);

// Draws `picture` with its top-left corner at (x, y), one screen pixel per picture pixel.
void drawPicture(HDC dc, const Bitmap& picture, int x, int y);

// An icon of `size` x `size` pixels showing `picture` scaled to fit (nearest pixel), opaque.
// Null when the picture is empty or the system refuses.
IconHandle makeIcon(const Bitmap& picture, int size);

} // namespace velmora::win32
