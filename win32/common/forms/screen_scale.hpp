#pragma once

#include "ports/form_layout.hpp"

#include <cstdint>
#include <windows.h>

namespace velmora::win32 {

// Converts the layout's twips (1/1440 inch) into screen pixels at the screen's resolution.
struct ScreenScale {
  int dpiX = 96;
  int dpiY = 96;

  static ScreenScale ofScreen();

  int x(std::int32_t twips) const { return MulDiv(twips, dpiX, 1440); }
  int y(std::int32_t twips) const { return MulDiv(twips, dpiY, 1440); }
  // Edges are converted one by one, so that neighbouring controls stay flush.
  RECT rect(const TwipRect& place) const {
    return {x(place.left), y(place.top), x(place.left + place.width), y(place.top + place.height)};
  }
  // The height of a font of `points` as a LOGFONT wants it (negative: the character height).
  int fontHeight(double points) const;
};

} // namespace velmora::win32
