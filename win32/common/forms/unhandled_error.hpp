#pragma once

namespace velmora::win32 {

// Called inside a catch block at a message boundary (a window procedure), where no exception
// may pass: tells the user what went wrong in a message box and returns.
void reportUnhandledException() noexcept;

} // namespace velmora::win32
