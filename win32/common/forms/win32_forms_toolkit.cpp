#include "forms/win32_forms_toolkit.hpp"

#include "forms/win32_form.hpp"
#include "support/error.hpp"

#include <commctrl.h>

namespace velmora::win32 {

namespace {

LRESULT CALLBACK ownerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

Win32FormsToolkit::Win32FormsToolkit()
    : formClass_(L"VelmoraForm", &Win32Form::windowProcedure, sizeof(LONG_PTR), COLOR_BTNFACE),
      ownerClass_(L"VelmoraFormOwner", &ownerProcedure, 0, COLOR_BTNFACE) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  owner_ = CreateWindowExW(0, ownerClass_.name(), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           thisModule(), nullptr);
  if (owner_ == nullptr) {
    throw HostError(u"フォームの親ウィンドウを作成できません。");
  }
}

Win32FormsToolkit::~Win32FormsToolkit() {
  DestroyWindow(owner_);
}

std::unique_ptr<Form> Win32FormsToolkit::load(const FormSpec& spec) {
  return std::make_unique<Win32Form>(spec,
                                     FormEnvironment{formClass_.name(), formClass_.atom(), owner_});
}

} // namespace velmora::win32
