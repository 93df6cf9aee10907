#include "addin/class_factory.hpp"
#include "addin/interfaces.hpp"
#include "addin/server_module.hpp"
#include "addin/server_registration.hpp"
#include "com/com_boundary.hpp"

#include <olectl.h>
#include <windows.h>

using namespace velmora::win32;

// Only notes the module handle. Thread notifications stay on: the statically linked runtime
// needs them to clean up per-thread data.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    server::attach(instance);
  }
  return TRUE;
}

STDAPI DllCanUnloadNow() {
  return server::canUnload() ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_VelmoraClass)) {
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return ClassFactory::create(iid, out);
}

STDAPI DllRegisterServer() {
  return comBoundary(IID_NULL, [] { registerServer(server::moduleHandle()); });
}

STDAPI DllUnregisterServer() {
  return comBoundary(IID_NULL, [] { unregisterServer(); });
}
