#include "settings/pixel_art.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace velmora {

namespace {

const Glyph& glyphOf(const PixelFont& font, char letter) {
  const auto found =
      std::ranges::find_if(font, [letter](const Glyph& glyph) { return glyph.letter == letter; });
  if (found == font.end()) {
    throw std::logic_error(std::string("the pixel font has no letter ") + letter);
  }
  return *found;
}

int glyphWidth(const Glyph& glyph) {
  return glyph.rows.empty() ? 0 : static_cast<int>(glyph.rows.front().size());
}

} // namespace

Bitmap filledBitmap(int width, int height, Colour16 colour) {
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), colour);
  return bitmap;
}

void setPixel(Bitmap& bitmap, int x, int y, Colour16 colour) {
  if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height) {
    return;
  }
  bitmap.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.width) +
                static_cast<std::size_t>(x)] = colour;
}

void fillRect(Bitmap& bitmap, int left, int top, int width, int height, Colour16 colour) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      setPixel(bitmap, x, y, colour);
    }
  }
}

void drawPattern(Bitmap& bitmap, int left, int top, const std::vector<std::string_view>& rows,
                 std::initializer_list<PaletteEntry> palette) {
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const int y = top + static_cast<int>(row);
    for (std::size_t column = 0; column < rows[row].size(); ++column) {
      const char symbol = rows[row][column];
      const auto entry = std::ranges::find_if(
          palette, [symbol](const PaletteEntry& candidate) { return candidate.symbol == symbol; });
      if (entry != palette.end()) {
        setPixel(bitmap, left + static_cast<int>(column), y, entry->colour);
      }
    }
  }
}

int textWidth(const PixelFont& font, std::string_view text) {
  int width = 0;
  for (const char letter : text) {
    width += glyphWidth(glyphOf(font, letter)) + 1;
  }
  return text.empty() ? 0 : width - 1;
}

void drawText(Bitmap& bitmap, int left, int top, const PixelFont& font, std::string_view text,
              Colour16 ink) {
  int x = left;
  for (const char letter : text) {
    const Glyph& glyph = glyphOf(font, letter);
    drawPattern(bitmap, x, top, glyph.rows, {{'#', ink}});
    x += glyphWidth(glyph) + 1;
  }
}

void drawCentredText(Bitmap& bitmap, int top, const PixelFont& font, std::string_view text,
                     Colour16 ink) {
  drawText(bitmap, (bitmap.width - textWidth(font, text)) / 2, top, font, text, ink);
}

} // namespace velmora
