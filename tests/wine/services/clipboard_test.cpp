#include "forms/form_test_support.hpp"
#include "forms/picture_drawing.hpp"
#include "services/win32_clipboard.hpp"

#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace velmora::testing {
namespace {

// What other programs put on the clipboard and find there, through the system's own functions.
void put(UINT format, const void* bytes, std::size_t size, bool emptyFirst = true) {
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
  put(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
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
  const auto bytes = clipboardBytes(CF_UNICODETEXT);
  return bytes ? std::optional(std::wstring(reinterpret_cast<const wchar_t*>(bytes->data())))
               : std::nullopt;
}

// The clipboard's bitmap as its pixels, the top 16 x 16 of them row by row; none without one.
std::vector<COLORREF> clipboardPicture() {
  OpenClipboard(nullptr);
  std::vector<COLORREF> pixels;
  if (HGDIOBJ bitmap = GetClipboardData(CF_BITMAP)) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int i = 0; i < 256; ++i) {
      pixels.push_back(GetPixel(dc, i % 16, i / 16));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  CloseClipboard();
  return pixels;
}

std::vector<COLORREF> facePixels() {
  std::vector<COLORREF> pixels;
  for (const Colour16 colour : face().pixels) {
    pixels.push_back(win32::paletteColour(colour));
  }
  return pixels;
}

TEST(Clipboard, SetPictureLeavesA16By16BitmapInTheVgaColours) {
  putText(L"kept");
  win32::Win32Clipboard().setPicture(face());
  EXPECT_EQ(clipboardPicture(), facePixels());
  EXPECT_FALSE(clipboardText().has_value()) << "the picture replaces what was there";
}

// Text, pictures and other programs' formats come back, again and again, also after the adapter
// whose window owns them has gone.
TEST(Clipboard, RestoreBringsBackWhatWasSaved) {
  const std::wstring text = L"ユーザーのテキスト Ω";
  putText(text);
  {
    win32::Win32Clipboard clipboard;
    const auto saved = clipboard.save();
    clipboard.setPicture(face());
    clipboard.restore(*saved);
    EXPECT_EQ(clipboardText(), text);
    EXPECT_TRUE(clipboardPicture().empty());
    putText(L"other");
    clipboard.restore(*saved);
  }
  EXPECT_EQ(clipboardText(), text);

  win32::Win32Clipboard clipboard;
  clipboard.setPicture(face());
  const UINT custom = RegisterClipboardFormatW(L"Velmora Test Data");
  const std::string data("\x01\x02\x00\xFF payload", 12);
  put(custom, data.data(), data.size(), false);
  const auto picture = clipboard.save();
  putText(L"something else");
  clipboard.restore(*picture);
  EXPECT_EQ(clipboardPicture(), facePixels());
  EXPECT_EQ(clipboardBytes(custom).value_or("").substr(0, data.size()), data);
  EXPECT_FALSE(clipboardText().has_value());
}

} // namespace
} // namespace velmora::testing
