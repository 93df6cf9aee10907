#include "forms/form_fonts.hpp"

#include "forms/handle_cast.hpp"
#include "forms/wide_text.hpp"

#include <algorithm>
#include <string>

namespace velmora::win32 {

namespace {

bool sameFont(const FontSpec& a, const FontSpec& b) {
  return a.name == b.name && a.points == b.points && a.bold == b.bold && a.italic == b.italic;
}

int CALLBACK noteFound(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                       LPARAM found) {
  *fromInteger<bool*>(found) = true;
  return 0;
}

std::wstring defaultGuiFace() {
  LOGFONTW font{};
  if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font) == 0) {
    return {};
  }
  return font.lfFaceName;
}

void copyFace(LOGFONTW& font, const std::wstring& face) {
  const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::copy_n(face.begin(), length, font.lfFaceName);
  font.lfFaceName[length] = L'\0';
}

} // namespace

bool fontFaceInstalled(const std::wstring& face) {
  if (face.empty() || face.size() >= LF_FACESIZE) {
    return false;
  }
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  copyFace(wanted, face);
  bool found = false;
  if (HDC screen = GetDC(nullptr)) {
    EnumFontFamiliesExW(screen, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
  }
  return found;
}

HFONT FormFonts::font(const std::optional<FontSpec>& spec) {
  if (!spec) {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  for (const auto& [made, handle] : fonts_) {
    if (sameFont(made, *spec)) {
      return handle.get();
    }
  }
  LOGFONTW font{};
  font.lfHeight = scale_.fontHeight(spec->points);
  font.lfWeight = spec->bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = spec->italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = wide(spec->name);
  copyFace(font, fontFaceInstalled(face) ? face : defaultGuiFace());
  HFONT made = CreateFontIndirectW(&font);
  if (made == nullptr) {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  fonts_.emplace_back(*spec, GdiObject<HFONT>(made));
  return made;
}

} // namespace velmora::win32
