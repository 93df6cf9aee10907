#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace velmora::win32 {

// The system's description of a Windows error code (FormatMessageW), without its final line
// break; empty when the system has no text for the code.
std::u16string systemMessage(DWORD code);

// Throws HostError describing the calling thread's last error in the system's words; `fallback`
// describes the failure when the system set no error code or has no text for it.
[[noreturn]] void throwLastError(std::u16string_view fallback);

} // namespace velmora::win32
