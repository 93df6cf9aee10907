#include "probe_windows.hpp"

namespace velmora::probe {

namespace {

constexpr wchar_t kDialogClass[] = L"ProbeAddinInput";
constexpr wchar_t kHotkeyClass[] = L"ProbeAddinHotkeys";
constexpr int kEdit = 100;
constexpr int kHotkey = 1;

// Message parameters and window data carry handles and pointers as integers.
template <typename Pointer, typename Integer> Pointer fromInteger(Integer value) {
  return reinterpret_cast<Pointer>(value); // NOLINT(performance-no-int-to-ptr)
}

HINSTANCE module() {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&module), &self);
  return self;
}

struct DialogState {
  bool done = false;
  std::optional<std::wstring> answer;
};

LRESULT CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = fromInteger<DialogState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_COMMAND && state != nullptr &&
      (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    if (LOWORD(wParam) == IDOK) {
      wchar_t typed[256] = {};
      GetDlgItemTextW(window, kEdit, typed, 256);
      state->answer = typed;
    }
    state->done = true;
    return 0;
  }
  if (message == WM_CLOSE && state != nullptr) {
    state->done = true;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void registerClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSW windowClass{};
  if (GetClassInfoW(module(), name, &windowClass)) {
    return;
  }
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = module();
  windowClass.lpszClassName = name;
  windowClass.hbrBackground = fromInteger<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassW(&windowClass);
}

} // namespace

std::optional<std::wstring> askText() {
  registerClass(kDialogClass, &dialogProcedure);
  HWND owner = GetForegroundWindow();
  HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kDialogClass, L"入力",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 100, 300, 120, owner,
                                nullptr, module(), nullptr);
  DialogState state;
  SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                              10, 10, 270, 22, dialog,
                              fromInteger<HMENU>(static_cast<INT_PTR>(kEdit)), module(), nullptr);
  CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 110,
                  45, 80, 24, dialog, fromInteger<HMENU>(static_cast<INT_PTR>(IDOK)), module(),
                  nullptr);
  CreateWindowExW(0, L"BUTTON", L"キャンセル", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 200, 45, 80, 24,
                  dialog, fromInteger<HMENU>(static_cast<INT_PTR>(IDCANCEL)), module(), nullptr);
  if (owner != nullptr) {
    EnableWindow(owner, FALSE);
  }
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  SetFocus(edit);
  MSG message{};
  while (!state.done && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (owner != nullptr) {
    EnableWindow(owner, TRUE);
  }
  SetWindowLongPtrW(dialog, GWLP_USERDATA, 0);
  DestroyWindow(dialog);
  return state.answer;
}

HotkeyWindow::HotkeyWindow(std::function<void()> pressed) : pressed_(std::move(pressed)) {
  registerClass(kHotkeyClass, &HotkeyWindow::procedure);
  window_ = CreateWindowExW(0, kHotkeyClass, L"ProbeHotkeys", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, module(), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  RegisterHotKey(window_, kHotkey, MOD_CONTROL | MOD_SHIFT, VK_F11);
}

HotkeyWindow::~HotkeyWindow() {
  UnregisterHotKey(window_, kHotkey);
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK HotkeyWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = fromInteger<HotkeyWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && message == WM_HOTKEY && wParam == kHotkey) {
    self->pressed_();
    return 0;
  }
  if (self != nullptr && message == WM_ACTIVATEAPP) {
    if (wParam != FALSE) {
      RegisterHotKey(window, kHotkey, MOD_CONTROL | MOD_SHIFT, VK_F11);
    } else {
      UnregisterHotKey(window, kHotkey);
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace velmora::probe
