#include "forms/list_box_window.hpp"

namespace velmora::win32 {

std::unique_ptr<ListBoxWindow> ListBoxWindow::create(const ControlSpec& spec, const RECT& place,
                                                     int id, const ControlContext& context) {
  HWND window = createChildWindow(
      spec, {L"LISTBOX", LBS_NOTIFY | WS_VSCROLL, WS_EX_CLIENTEDGE, true}, place, id, context);
  auto list = std::make_unique<ListBoxWindow>(window, *context.focus);
  for (const auto& item : spec.items) {
    list->addItem(item);
  }
  return list;
}

} // namespace velmora::win32
