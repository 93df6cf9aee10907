#include "forms/picture_drawing.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace velmora::win32 {

namespace {

constexpr std::array<COLORREF, 16> kPalette = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};

// A top-down 32-bit device-independent pixel, opaque.
std::uint32_t dibPixel(Colour16 colour) {
  const COLORREF rgb = paletteColour(colour);
  return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(rgb)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(rgb)) << 8) | GetBValue(rgb);
}

BITMAPINFO topDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

bool wellFormed(const Bitmap& picture) {
  return picture.width > 0 && picture.height > 0 &&
         picture.pixels.size() ==
             static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
}

} // namespace

COLORREF paletteColour(Colour16 colour) {
  return kPalette[static_cast<std::size_t>(colour) & 15u];
}

void drawPicture(HDC dc, const Bitmap& picture, int x, int y) {
  if (!wellFormed(picture)) {
    return;
  }
  std::vector<std::uint32_t> pixels;
  pixels.reserve(picture.pixels.size());
  for (Colour16 colour : picture.pixels) {
    pixels.push_back(dibPixel(colour));
  }
  const BITMAPINFO info = topDownInfo(picture.width, picture.height);
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.width), static_cast<DWORD>(picture.height),
                    0, 0, 0, static_cast<UINT>(picture.height), pixels.data(), &info,
                    DIB_RGB_COLORS);
}

IconHandle makeIcon(const Bitmap& picture, int size) {
  if (!wellFormed(picture) || size <= 0) {
    return nullptr;
  }
  const BITMAPINFO info = topDownInfo(size, size);
  void* bits = nullptr;
  GdiObject<HBITMAP> colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!colour || bits == nullptr) {
    return nullptr;
  }
  auto* out = static_cast<std::uint32_t*>(bits);
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      const int x = column * picture.width / size;
      const int y = row * picture.height / size;
      out[static_cast<std::size_t>(row) * static_cast<std::size_t>(size) +
          static_cast<std::size_t>(column)] = dibPixel(picture.at(x, y));
    }
  }
  // An AND mask of zeros: every pixel shows its colour.
  const std::vector<std::uint8_t> zeros(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
  GdiObject<HBITMAP> mask(CreateBitmap(size, size, 1, 1, zeros.data()));
  if (!mask) {
    return nullptr;
  }
  ICONINFO icon{};
  icon.fIcon = TRUE;
  icon.hbmMask = mask.get();
  icon.hbmColor = colour.get();
  return IconHandle(CreateIconIndirect(&icon));
}

} // namespace velmora::win32
