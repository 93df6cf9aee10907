#pragma once

#include "ports/bitmap.hpp"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace velmora {

// Small pictures written as text, one string per row and one character per pixel.

struct PaletteEntry {
  char symbol;
  Colour16 colour;
};

// A letter of a pixel font: rows of '#' (ink) and '.' (left as it is), all of one width.
struct Glyph {
  char letter;
  std::vector<std::string_view> rows;
};
using PixelFont = std::vector<Glyph>;

Bitmap filledBitmap(int width, int height, Colour16 colour);

// Paints one pixel, or a rectangle of them; what falls outside the bitmap is left out.
void setPixel(Bitmap& bitmap, int x, int y, Colour16 colour);
void fillRect(Bitmap& bitmap, int left, int top, int width, int height, Colour16 colour);

// Paints the pattern with its top-left corner at (left, top); a character the palette does not
// name leaves its pixel as it is, and so does a pixel outside the bitmap.
void drawPattern(Bitmap& bitmap, int left, int top, const std::vector<std::string_view>& rows,
                 std::initializer_list<PaletteEntry> palette);

// The width of the text in pixels, one blank column between letters.
int textWidth(const PixelFont& font, std::string_view text);
// Draws the text in `ink` from (left, top); throws std::logic_error for a letter the font lacks.
void drawText(Bitmap& bitmap, int left, int top, const PixelFont& font, std::string_view text,
              Colour16 ink);
// The same, centred across the bitmap (one pixel further left when it cannot be exact).
void drawCentredText(Bitmap& bitmap, int top, const PixelFont& font, std::string_view text,
                     Colour16 ink);

} // namespace velmora
