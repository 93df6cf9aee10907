#include "forms/picture_drawing.hpp"
#include "services/win32_clipboard.hpp"
#include "support/error.hpp"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace velmora::testing {
namespace {

using win32::Win32Clipboard;

// What other programs put on the clipboard and find there, through the system's own functions.
void putOnClipboard(UINT format, const void* bytes, std::size_t size, bool emptyFirst = true) {
  ASSERT_NE(OpenClipboard(nullptr), FALSE);
  if (emptyFirst) {
    EmptyClipboard();
  }
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  EXPECT_NE(SetClipboardData(format, memory), nullptr);
  CloseClipboard();
}

void putText(const std::wstring& text) {
  putOnClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

std::optional<std::string> clipboardBytes(UINT format) {
  OpenClipboard(nullptr);
  std::optional<std::string> bytes;
  if (HANDLE data = GetClipboardData(format)) {
    bytes.emplace(static_cast<const char*>(GlobalLock(data)), GlobalSize(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return bytes;
}

std::optional<std::wstring> clipboardText() {
  const std::optional<std::string> bytes = clipboardBytes(CF_UNICODETEXT);
  if (!bytes) {
    return std::nullopt;
  }
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes->data()));
}

int formatsOnClipboard() {
  OpenClipboard(nullptr);
  const int count = CountClipboardFormats();
  CloseClipboard();
  return count;
}

// The bitmap on the clipboard as 32-bit pixels from the top row down, with its width.
std::optional<std::pair<int, std::vector<COLORREF>>> clipboardPicture() {
  OpenClipboard(nullptr);
  auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  std::optional<std::pair<int, std::vector<COLORREF>>> picture;
  if (bitmap != nullptr) {
    BITMAP shape{};
    GetObjectW(bitmap, sizeof shape, &shape);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), shape.bmWidth, -shape.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(shape.bmWidth * shape.bmHeight));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(shape.bmHeight), bits.data(), &info,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    picture.emplace(shape.bmWidth, std::vector<COLORREF>());
    for (const std::uint32_t pixel : bits) {
      picture->second.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
    }
  }
  CloseClipboard();
  return picture;
}

// A 16 x 16 face using all 16 colours, no two neighbours alike.
Bitmap face() {
  Bitmap picture{16, 16, {}};
  for (int i = 0; i < 256; ++i) {
    picture.pixels.push_back(static_cast<Colour16>((i % 16 + 3 * (i / 16)) % 16));
  }
  return picture;
}

TEST(Clipboard, SetPictureLeavesA16By16BitmapInTheVgaColours) {
  Win32Clipboard clipboard;
  putText(L"kept");
  Bitmap broken = face();
  broken.pixels.pop_back();
  EXPECT_THROW(clipboard.setPicture(broken), HostError) << "its size does not match its pixels";
  EXPECT_THROW(clipboard.setPicture(Bitmap{}), HostError);
  EXPECT_EQ(clipboardText(), L"kept");

  const Bitmap picture = face();
  clipboard.setPicture(picture);
  const auto placed = clipboardPicture();
  ASSERT_TRUE(placed.has_value());
  ASSERT_EQ(placed->first, 16);
  ASSERT_EQ(placed->second.size(), 256u);
  for (int i = 0; i < 256; ++i) {
    ASSERT_EQ(placed->second[static_cast<std::size_t>(i)],
              win32::paletteColour(picture.at(i % 16, i / 16)))
        << "pixel " << i % 16 << ", " << i / 16;
  }
  EXPECT_FALSE(clipboardText().has_value()) << "the picture replaces what was there";
}

// Saved text comes back, again and again, and outlives the adapter whose window owns it; an
// empty clipboard comes back empty.
TEST(Clipboard, RestoreBringsBackTheTextThatWasSaved) {
  const std::wstring text = L"ユーザーのテキスト Ω";
  putText(text);
  {
    Win32Clipboard clipboard;
    const auto saved = clipboard.save();
    clipboard.setPicture(face());
    clipboard.restore(*saved);
    EXPECT_EQ(clipboardText(), text);
    EXPECT_FALSE(clipboardPicture().has_value());
    putText(L"other");
    clipboard.restore(*saved);
  }
  EXPECT_EQ(clipboardText(), text);

  Win32Clipboard clipboard;
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  const auto empty = clipboard.save();
  clipboard.setPicture(face());
  clipboard.restore(*empty);
  EXPECT_EQ(formatsOnClipboard(), 0);
}

TEST(Clipboard, PicturesAndRegisteredFormatsComeBackToo) {
  Win32Clipboard clipboard;
  clipboard.setPicture(face());
  const UINT custom = RegisterClipboardFormatW(L"Velmora Test Data");
  const std::string data("\x01\x02\x00\xFF payload", 12);
  putOnClipboard(custom, data.data(), data.size(), false);
  const auto saved = clipboard.save();
  putText(L"something else");

  clipboard.restore(*saved);
  const auto picture = clipboardPicture();
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->first, 16);
  EXPECT_EQ(picture->second[17], win32::paletteColour(face().at(1, 1)));
  EXPECT_EQ(clipboardBytes(custom).value_or("").substr(0, data.size()), data);
  EXPECT_FALSE(clipboardText().has_value());
}

} // namespace
} // namespace velmora::testing
