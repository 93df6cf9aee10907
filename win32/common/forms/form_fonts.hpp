#pragma once

#include "forms/gdi_handles.hpp"
#include "forms/screen_scale.hpp"
#include "ports/form_layout.hpp"

#include <optional>
#include <utility>
#include <vector>
#include <windows.h>

namespace velmora::win32 {

// The fonts of one form's controls. They must outlive the form's window.
class FormFonts {
public:
  explicit FormFonts(ScreenScale scale) : scale_(scale) {}

  // The font a layout asks for, made once per form; the system's default GUI font when the
  // layout names none. A face the system lacks is replaced by the default GUI font's face in
  // the size and style asked for.
  HFONT font(const std::optional<FontSpec>& spec);

private:
  ScreenScale scale_;
  std::vector<std::pair<FontSpec, GdiObject<HFONT>>> fonts_;
};

bool fontFaceInstalled(const std::wstring& face);

} // namespace velmora::win32
