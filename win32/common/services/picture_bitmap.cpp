#include "services/picture_bitmap.hpp"

#include "forms/picture_drawing.hpp"
#include "services/system_error.hpp"
#include "support/error.hpp"

#include <cstdint>
#include <vector>

namespace velmora::win32 {

namespace {

// The largest side accepted, far beyond any toolbar face; keeps the row arithmetic small.
constexpr int kLargestSide = 4096;

struct SixteenColourInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colours[16];
};

SixteenColourInfo sixteenColourInfo(const Bitmap& picture) {
  SixteenColourInfo info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = picture.width;
  info.header.biHeight = picture.height; // rows from the bottom
  info.header.biPlanes = 1;
  info.header.biBitCount = 4;
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = 16;
  info.header.biClrImportant = 16;
  for (int index = 0; index < 16; ++index) {
    const COLORREF colour = paletteColour(static_cast<Colour16>(index));
    info.colours[index] = RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
  }
  return info;
}

// Two pixels a byte, the left one in the high half; rows padded to four bytes, bottom row first.
std::vector<std::uint8_t> sixteenColourBits(const Bitmap& picture) {
  const std::size_t stride = (static_cast<std::size_t>(picture.width) * 4 + 31) / 32 * 4;
  std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(picture.height), 0);
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* row = bits.data() + stride * static_cast<std::size_t>(picture.height - 1 - y);
    for (int x = 0; x < picture.width; ++x) {
      const auto index = static_cast<std::uint8_t>(static_cast<unsigned>(picture.at(x, y)) & 15u);
      row[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(index << 4) : index;
    }
  }
  return bits;
}

} // namespace

HBITMAP makePictureBitmap(const Bitmap& picture) {
  if (picture.width <= 0 || picture.height <= 0 || picture.width > kLargestSide ||
      picture.height > kLargestSide ||
      picture.pixels.size() !=
          static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
    throw HostError(u"絵の大きさと画素の数が合いません。");
  }
  const SixteenColourInfo info = sixteenColourInfo(picture);
  const std::vector<std::uint8_t> bits = sixteenColourBits(picture);
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) {
    throwLastError(u"画面のデバイスコンテキストを取得できません。");
  }
  HBITMAP bitmap = CreateDIBitmap(screen, &info.header, CBM_INIT, bits.data(),
                                  reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
  const DWORD error = GetLastError();
  ReleaseDC(nullptr, screen);
  if (bitmap == nullptr) {
    SetLastError(error);
    throwLastError(u"ビットマップを作成できません。");
  }
  return bitmap;
}

} // namespace velmora::win32
