#pragma once

#include <windows.h>

namespace velmora::win32 {

// The module that holds this code: the add-in library when linked into it, else the program.
// Window classes registered for it are the module's own.
HINSTANCE thisModule();

// A window class registered for this module for as long as the object lives. A registration
// left behind under the same name with another procedure (a previous load of the library) is
// replaced; a registration with the same procedure is shared and left to its owner.
class WindowClass {
public:
  WindowClass(const wchar_t* name, WNDPROC procedure, int windowExtraBytes, int backgroundColour);
  ~WindowClass();
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;

  const wchar_t* name() const { return name_; }
  ATOM atom() const { return atom_; }

private:
  const wchar_t* name_;
  ATOM atom_ = 0;
  bool owned_ = false;
};

} // namespace velmora::win32
