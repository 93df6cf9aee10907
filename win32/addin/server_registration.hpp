#pragma once

#include <windows.h>

namespace velmora::win32 {

// Enters the server of `module` into the registry: the ProgID, the class with the module's path
// as its in-process server, and the type library. Machine-wide where the user may write there,
// for the current user otherwise. Throws ComError.
void registerServer(HMODULE module);

// Removes the server's entries from both the machine-wide and the current user's registry.
// Throws ComError for the first scope whose entries could not be removed.
void unregisterServer();

} // namespace velmora::win32
