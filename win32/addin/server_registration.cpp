#include "addin/server_registration.hpp"

#include "addin/interfaces.hpp"
#include "com/com_error.hpp"
#include "com/com_ptr.hpp"
#include "com/module_path.hpp"
#include "com/registry_key.hpp"

#include <exception>
#include <oleauto.h>
#include <string>

namespace velmora::win32 {

namespace {

// Where the class entries go: the machine's or the current user's classes.
enum class Scope { Machine, User };

HKEY rootOf(Scope scope) {
  return scope == Scope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::wstring text(const GUID& guid) {
  wchar_t buffer[40] = {};
  StringFromGUID2(guid, buffer, 40);
  return buffer;
}

std::wstring classesPath(const std::wstring& path) {
  return L"Software\\Classes\\" + path;
}

std::wstring classPath() {
  return classesPath(L"CLSID\\" + text(CLSID_VelmoraClass));
}

std::wstring typeLibVersionPath() {
  return classesPath(L"TypeLib\\" + text(LIBID_Velmora) + L"\\" + std::to_wstring(kTypeLibMajor) +
                     L"." + std::to_wstring(kTypeLibMinor));
}

bool isAccessDenied(HRESULT result) {
  return result == E_ACCESSDENIED || result == TYPE_E_REGISTRYACCESS;
}

// The per-user type library functions, looked up because older systems lack them.
template <typename Function> Function oleAutomationFunction(const char* name) {
  HMODULE oleaut = GetModuleHandleW(L"oleaut32.dll");
  return oleaut == nullptr
             ? nullptr
             : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(oleaut, name)));
}

void writeClassEntries(Scope scope, const std::wstring& modulePath) {
  const HKEY root = rootOf(scope);
  const std::wstring clsid = text(CLSID_VelmoraClass);
  const std::wstring version =
      std::to_wstring(kTypeLibMajor) + L"." + std::to_wstring(kTypeLibMinor);

  RegistryKey::create(root, classPath()).setString(L"", kClassName);
  RegistryKey::create(root, classPath() + L"\\ProgID").setString(L"", kProgId);
  RegistryKey::create(root, classPath() + L"\\TypeLib").setString(L"", text(LIBID_Velmora));
  RegistryKey::create(root, classPath() + L"\\Version").setString(L"", version);
  RegistryKey server = RegistryKey::create(root, classPath() + L"\\InprocServer32");
  server.setString(L"", modulePath);
  server.setString(L"ThreadingModel", L"Apartment");

  const std::wstring progId = classesPath(kProgId);
  RegistryKey::create(root, progId + L"\\CLSID").setString(L"", clsid);
  RegistryKey::create(root, progId).setString(L"", kClassName);
}

void removeClassEntries(Scope scope) {
  const HKEY root = rootOf(scope);
  // The ProgID goes only while it still names this class, not when another server took it over.
  const std::wstring progId = classesPath(kProgId);
  if (auto key = RegistryKey::open(root, progId + L"\\CLSID")) {
    const auto clsid = key->readString(L"");
    if (clsid && CompareStringOrdinal(clsid->c_str(), -1, text(CLSID_VelmoraClass).c_str(), -1,
                                      TRUE) != CSTR_EQUAL) {
      deleteRegistryTree(root, classPath());
      return;
    }
  }
  deleteRegistryTree(root, progId);
  deleteRegistryTree(root, classPath());
}

void registerTypeLib(Scope scope, ITypeLib& library, const std::wstring& modulePath) {
  auto* path = const_cast<wchar_t*>(modulePath.c_str());
  if (scope == Scope::Machine) {
    checkResult(RegisterTypeLib(&library, path, nullptr), u"RegisterTypeLib");
    return;
  }
  using RegisterForUser = HRESULT(WINAPI*)(ITypeLib*, OLECHAR*, OLECHAR*);
  const auto registerForUser = oleAutomationFunction<RegisterForUser>("RegisterTypeLibForUser");
  if (registerForUser == nullptr) {
    checkResult(E_ACCESSDENIED, u"RegisterTypeLib");
  }
  checkResult(registerForUser(&library, path, nullptr), u"RegisterTypeLibForUser");
}

void removeTypeLib(Scope scope) {
  // Unregistering a library that is not registered fails; only a scope's own entry is removed.
  if (!registryKeyExists(rootOf(scope), typeLibVersionPath())) {
    return;
  }
  if (scope == Scope::Machine) {
    checkResult(
        UnRegisterTypeLib(LIBID_Velmora, kTypeLibMajor, kTypeLibMinor, LOCALE_NEUTRAL, SYS_WIN32),
        u"UnRegisterTypeLib");
    return;
  }
  using UnregisterForUser = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);
  const auto unregisterForUser =
      oleAutomationFunction<UnregisterForUser>("UnRegisterTypeLibForUser");
  if (unregisterForUser == nullptr) {
    return;
  }
  checkResult(
      unregisterForUser(LIBID_Velmora, kTypeLibMajor, kTypeLibMinor, LOCALE_NEUTRAL, SYS_WIN32),
      u"UnRegisterTypeLibForUser");
}

void removeScope(Scope scope) {
  removeTypeLib(scope);
  removeClassEntries(scope);
}

// Removal of partly written entries after a failure, which the first failure is reported for.
void removeScopeQuietly(Scope scope) noexcept {
  try {
    removeScope(scope);
  } catch (const std::exception&) {
    // The failure being reported is the one that stopped the registration.
  }
}

void registerIn(Scope scope, ITypeLib& library, const std::wstring& modulePath) {
  try {
    writeClassEntries(scope, modulePath);
    registerTypeLib(scope, library, modulePath);
  } catch (const ComError&) {
    removeScopeQuietly(scope);
    throw;
  }
}

} // namespace

void registerServer(HMODULE module) {
  const std::wstring modulePath = moduleFileName(module);
  ComPtr<ITypeLib> library;
  checkResult(LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, library.put()), u"LoadTypeLibEx");

  try {
    registerIn(Scope::Machine, *library.get(), modulePath);
  } catch (const ComError& error) {
    if (!isAccessDenied(error.result())) {
      throw;
    }
    registerIn(Scope::User, *library.get(), modulePath);
    return;
  }
  // The user's own classes take precedence: an older per-user entry would hide this one.
  removeScopeQuietly(Scope::User);
}

void unregisterServer() {
  std::exception_ptr failure;
  for (const Scope scope : {Scope::User, Scope::Machine}) {
    try {
      removeScope(scope);
    } catch (const ComError&) {
      if (!failure) {
        failure = std::current_exception();
      }
    }
  }
  if (failure) {
    std::rethrow_exception(failure);
  }
}

} // namespace velmora::win32
