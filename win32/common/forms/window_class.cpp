#include "forms/window_class.hpp"

#include "forms/handle_cast.hpp"
#include "support/error.hpp"

namespace velmora::win32 {

HINSTANCE thisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&thisModule), &module);
  return module != nullptr ? module : GetModuleHandleW(nullptr);
}

WindowClass::WindowClass(const wchar_t* name, WNDPROC procedure, int windowExtraBytes,
                         int backgroundColour)
    : name_(name) {
  HINSTANCE instance = thisModule();
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing) != FALSE) {
    if (existing.lpfnWndProc == procedure) {
      atom_ = static_cast<ATOM>(GetClassInfoExW(instance, name, &existing));
      return;
    }
    UnregisterClassW(name, instance);
  }
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.cbWndExtra = windowExtraBytes;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = fromInteger<HBRUSH>(static_cast<INT_PTR>(backgroundColour + 1));
  windowClass.lpszClassName = name;
  atom_ = RegisterClassExW(&windowClass);
  if (atom_ == 0) {
    throw HostError(u"ウィンドウクラスを登録できません。");
  }
  owned_ = true;
}

WindowClass::~WindowClass() {
  if (owned_) {
    UnregisterClassW(name_, thisModule());
  }
}

} // namespace velmora::win32
