#pragma once

// The interfaces, class and library identifiers that widl generates from velmora.idl and
// addin_interfaces.idl (defined once, in guids.cpp).
#include "addin_interfaces.h"
#include "velmora.h"

#include <ole2.h>
#include <windows.h>

namespace velmora::win32 {

// The TYPELIB resources of the library.
inline constexpr int kVelmoraTypeLib = 1;
inline constexpr int kAddinInterfacesTypeLib = 2;

inline constexpr WORD kTypeLibMajor = 1;
inline constexpr WORD kTypeLibMinor = 0;

inline constexpr const wchar_t* kProgId = L"Velmora.VelmoraClass";
inline constexpr const wchar_t* kClassName = L"VelmoraClass";

} // namespace velmora::win32
