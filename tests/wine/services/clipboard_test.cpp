#include "forms/picture_drawing.hpp"
#include "services/win32_clipboard.hpp"
#include "support/error.hpp"

#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {
namespace {

using win32::Win32Clipboard;

// What other programs do with the clipboard, through the system's own functions.
class OtherProgram {
public:
  OtherProgram() { EXPECT_NE(OpenClipboard(nullptr), FALSE); }
  ~OtherProgram() { CloseClipboard(); }
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;

  static void putText(const std::wstring& text) {
    OtherProgram open;
    EmptyClipboard();
    putBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  }

  static void putBytes(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    EXPECT_NE(SetClipboardData(format, memory), nullptr);
  }

  static std::optional<std::wstring> text() {
    OtherProgram open;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
      return std::nullopt;
    }
    std::wstring text(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    return text;
  }

  static std::optional<std::string> bytes(UINT format) {
    OtherProgram open;
    HANDLE data = GetClipboardData(format);
    if (data == nullptr) {
      return std::nullopt;
    }
    std::string bytes(static_cast<const char*>(GlobalLock(data)), GlobalSize(data));
    GlobalUnlock(data);
    return bytes;
  }

  static void empty() {
    OtherProgram open;
    EmptyClipboard();
  }
};

// The bitmap on the clipboard, read back as 32-bit pixels from the top row down.
struct ClipboardPicture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
};

std::optional<ClipboardPicture> clipboardPicture() {
  OtherProgram open;
  auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  if (bitmap == nullptr) {
    return std::nullopt;
  }
  BITMAP shape{};
  GetObjectW(bitmap, sizeof shape, &shape);
  ClipboardPicture picture{shape.bmWidth, shape.bmHeight, {}};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = shape.bmWidth;
  info.bmiHeader.biHeight = -shape.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> bits(static_cast<std::size_t>(shape.bmWidth * shape.bmHeight));
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, static_cast<UINT>(shape.bmHeight), bits.data(), &info,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (const std::uint32_t pixel : bits) {
    picture.pixels.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
  }
  return picture;
}

// A 16 x 16 face using all 16 colours, no two neighbours alike.
Bitmap face() {
  Bitmap picture{16, 16, {}};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      picture.pixels.push_back(static_cast<Colour16>((x + 3 * y) % 16));
    }
  }
  return picture;
}

TEST(Clipboard, SetPictureLeavesA16By16BitmapInTheVgaColours) {
  Win32Clipboard clipboard;
  const Bitmap picture = face();
  clipboard.setPicture(picture);
  const std::optional<ClipboardPicture> placed = clipboardPicture();
  ASSERT_TRUE(placed.has_value());
  EXPECT_EQ(placed->width, 16);
  EXPECT_EQ(placed->height, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      ASSERT_EQ(placed->pixels[static_cast<std::size_t>(y * 16 + x)],
                win32::paletteColour(picture.at(x, y)))
          << "pixel " << x << ", " << y;
    }
  }
  EXPECT_FALSE(OtherProgram::text().has_value()) << "the picture replaces what was there";
}

TEST(Clipboard, RestoreBringsBackTheTextThatWasSaved) {
  Win32Clipboard clipboard;
  const std::wstring text = L"ユーザーのテキスト Ω";
  OtherProgram::putText(text);
  const auto saved = clipboard.save();
  clipboard.setPicture(face());
  ASSERT_FALSE(OtherProgram::text().has_value());

  clipboard.restore(*saved);
  EXPECT_EQ(OtherProgram::text(), text);
  EXPECT_FALSE(clipboardPicture().has_value());
  // A saved state can be put back again.
  OtherProgram::empty();
  clipboard.restore(*saved);
  EXPECT_EQ(OtherProgram::text(), text);
}

TEST(Clipboard, PicturesAndRegisteredFormatsComeBackToo) {
  Win32Clipboard clipboard;
  clipboard.setPicture(face());
  const UINT custom = RegisterClipboardFormatW(L"Velmora Test Data");
  const std::string data("\x01\x02\x00\xFF payload", 12);
  {
    OtherProgram open;
    OtherProgram::putBytes(custom, data.data(), data.size());
  }
  const auto saved = clipboard.save();
  OtherProgram::putText(L"something else");

  clipboard.restore(*saved);
  const std::optional<ClipboardPicture> picture = clipboardPicture();
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, 16);
  EXPECT_EQ(picture->pixels[17], win32::paletteColour(face().at(1, 1)));
  const std::optional<std::string> back = OtherProgram::bytes(custom);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->substr(0, data.size()), data);
  EXPECT_FALSE(OtherProgram::text().has_value());
}

// The adapter's window owns what it puts back; the user's text must outlive it.
TEST(Clipboard, WhatWasPutBackStaysWhenTheAdapterGoes) {
  const std::wstring text = L"残るテキスト";
  OtherProgram::putText(text);
  {
    Win32Clipboard clipboard;
    const auto saved = clipboard.save();
    clipboard.setPicture(face());
    clipboard.restore(*saved);
  }
  EXPECT_EQ(OtherProgram::text(), text);
}

TEST(Clipboard, AnEmptyClipboardIsRestoredEmpty) {
  Win32Clipboard clipboard;
  OtherProgram::empty();
  const auto saved = clipboard.save();
  clipboard.setPicture(face());
  clipboard.restore(*saved);
  OtherProgram open;
  EXPECT_EQ(CountClipboardFormats(), 0);
}

TEST(Clipboard, APictureWhoseSizeDoesNotMatchItsPixelsIsRefused) {
  Win32Clipboard clipboard;
  OtherProgram::putText(L"kept");
  Bitmap broken = face();
  broken.pixels.pop_back();
  EXPECT_THROW(clipboard.setPicture(broken), HostError);
  EXPECT_THROW(clipboard.setPicture(Bitmap{}), HostError);
  EXPECT_EQ(OtherProgram::text(), L"kept");
}

} // namespace
} // namespace velmora::testing
