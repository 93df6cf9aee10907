#include "forms/child_window.hpp"

#include "forms/handle_cast.hpp"
#include "forms/wide_text.hpp"
#include "forms/window_class.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

namespace velmora::win32 {

HWND createChildWindow(const ControlSpec& spec, const ChildStyle& style, const RECT& place, int id,
                       const ControlContext& context) {
  // Every control is a group of its own, so that arrow keys never move the focus onto a label.
  DWORD windowStyle = style.style | WS_CHILD | WS_GROUP;
  if (spec.visible) {
    windowStyle |= WS_VISIBLE;
  }
  if (!spec.enabled) {
    windowStyle |= WS_DISABLED;
  }
  if (style.takesFocus && spec.tabIndex >= 0) {
    windowStyle |= WS_TABSTOP;
  }
  const std::wstring caption = wide(spec.caption);
  HWND window =
      CreateWindowExW(style.exStyle, style.windowClass, caption.c_str(), windowStyle, place.left,
                      place.top, place.right - place.left, place.bottom - place.top, context.form,
                      fromInteger<HMENU>(static_cast<INT_PTR>(id)), thisModule(), nullptr);
  if (window == nullptr) {
    throw HostError(u"コントロールを作成できません: " + fromUtf8(spec.name));
  }
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(context.fonts->font(spec.font)), FALSE);
  return window;
}

} // namespace velmora::win32
