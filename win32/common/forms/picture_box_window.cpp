#include "forms/picture_box_window.hpp"

#include "forms/picture_drawing.hpp"

namespace velmora::win32 {

std::unique_ptr<PictureBoxWindow> PictureBoxWindow::create(const ControlSpec& spec,
                                                           const RECT& place, int id,
                                                           const ControlContext& context) {
  HWND window = createChildWindow(spec, {L"STATIC", SS_OWNERDRAW}, place, id, context);
  return std::make_unique<PictureBoxWindow>(window, *context.focus,
                                            spec.picture.value_or(Bitmap{}));
}

void PictureBoxWindow::draw(const DRAWITEMSTRUCT& item) {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  drawPicture(item.hDC, picture_, item.rcItem.left, item.rcItem.top);
}

} // namespace velmora::win32
