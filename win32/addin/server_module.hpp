#pragma once

#include <windows.h>

namespace velmora::win32::server {

// The loaded library's shared state, the only state outside its objects: its module handle and
// the counts of live objects and server locks that keep it loaded.

void attach(HMODULE module) noexcept;
HMODULE moduleHandle() noexcept;

void lock() noexcept;
// An unlock without a matching lock is ignored.
void unlock() noexcept;

// No object is alive and no lock is held.
bool canUnload() noexcept;

// Counts one live object of the library for its own lifetime; every COM object the library
// hands out holds one.
class ObjectReference {
public:
  ObjectReference() noexcept;
  ~ObjectReference();
  ObjectReference(const ObjectReference&) = delete;
  ObjectReference& operator=(const ObjectReference&) = delete;
};

} // namespace velmora::win32::server
