#include "forms/form_window.hpp"

#include "forms/picture_drawing.hpp"
#include "forms/wide_text.hpp"
#include "forms/window_class.hpp"
#include "support/error.hpp"

namespace velmora::win32 {

namespace {

struct FrameStyle {
  DWORD style;
  DWORD exStyle;
};

FrameStyle frameStyle(const FormSpec& spec) {
  FrameStyle frame{WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS, 0};
  if (spec.closeBox) {
    frame.style |= WS_SYSMENU;
  }
  if (spec.fixedDialog) {
    frame.exStyle |= WS_EX_DLGMODALFRAME;
  } else {
    frame.style |= WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  }
  if (spec.showInTaskbar) {
    frame.exStyle |= WS_EX_APPWINDOW;
  }
  return frame;
}

// A fixed dialog's system menu offers only what the frame allows: moving and closing.
void trimSystemMenu(HWND window) {
  if (HMENU menu = GetSystemMenu(window, FALSE)) {
    for (UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE}) {
      DeleteMenu(menu, command, MF_BYCOMMAND);
    }
  }
}

} // namespace

HWND createFormWindow(const FormSpec& spec, const ScreenScale& scale, const FormEnvironment& env,
                      void* form) {
  const FrameStyle frame = frameStyle(spec);
  RECT bounds{0, 0, scale.x(spec.clientWidth), scale.y(spec.clientHeight)};
  AdjustWindowRectEx(&bounds, frame.style, FALSE, frame.exStyle);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int left = work.left;
  int top = work.top;
  if (spec.centred) {
    left += (work.right - work.left - width) / 2;
    top += (work.bottom - work.top - height) / 2;
  }
  const std::wstring caption = wide(spec.caption);
  HWND window = CreateWindowExW(frame.exStyle, env.windowClass, caption.c_str(), frame.style, left,
                                top, width, height, spec.showInTaskbar ? nullptr : env.owner,
                                nullptr, thisModule(), form);
  if (window == nullptr) {
    throw HostError(u"フォームのウィンドウを作成できません。");
  }
  if (spec.fixedDialog && spec.closeBox) {
    trimSystemMenu(window);
  }
  return window;
}

FormIcons setFormIcons(HWND window, const std::optional<Bitmap>& icon) {
  FormIcons icons;
  if (!icon) {
    return icons;
  }
  icons.big = makeIcon(*icon, GetSystemMetrics(SM_CXICON));
  icons.small = makeIcon(*icon, GetSystemMetrics(SM_CXSMICON));
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.big.get()));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small.get()));
  return icons;
}

} // namespace velmora::win32
