#include "forms/screen_scale.hpp"

#include <cmath>

namespace velmora::win32 {

ScreenScale ScreenScale::ofScreen() {
  ScreenScale scale;
  if (HDC screen = GetDC(nullptr)) {
    scale.dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    scale.dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  if (scale.dpiX <= 0 || scale.dpiY <= 0) {
    scale = ScreenScale{};
  }
  return scale;
}

int ScreenScale::fontHeight(double points) const {
  return -static_cast<int>(std::lround(points * dpiY / 72.0));
}

} // namespace velmora::win32
