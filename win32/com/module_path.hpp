#pragma once

#include <string>
#include <windows.h>

namespace velmora::win32 {

// The full path of a loaded module (null: the program), however long it is.
std::wstring moduleFileName(HMODULE module);

} // namespace velmora::win32
