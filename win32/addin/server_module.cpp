#include "addin/server_module.hpp"

#include <atomic>

namespace velmora::win32::server {

namespace {

// COM may ask whether the library can unload from any thread.
HMODULE module = nullptr;
std::atomic<long> objects{0};
std::atomic<long> locks{0};

} // namespace

void attach(HMODULE handle) noexcept {
  module = handle;
}

HMODULE moduleHandle() noexcept {
  return module;
}

void lock() noexcept {
  ++locks;
}

void unlock() noexcept {
  long held = locks.load();
  while (held > 0 && !locks.compare_exchange_weak(held, held - 1)) {
  }
}

bool canUnload() noexcept {
  return objects.load() == 0 && locks.load() == 0;
}

ObjectReference::ObjectReference() noexcept {
  ++objects;
}

ObjectReference::~ObjectReference() {
  --objects;
}

} // namespace velmora::win32::server
