#pragma once

#include "com/registry_key.hpp"
#include "common/program_folder.hpp"

#include <ole2.h>
#include <optional>

// What the COM server tests share: where the server is, how a client sees it, and the IDE's
// add-in interfaces declared as the IDE declares them (not taken from the server's own headers).
namespace velmora::test {

// {0D2EB700-538A-4177-95B3-DEE63A32B76C}
inline constexpr CLSID kVelmoraClsid = {
    0x0D2EB700, 0x538A, 0x4177, {0x95, 0xB3, 0xDE, 0xE6, 0x3A, 0x32, 0xB7, 0x6C}};
inline constexpr const wchar_t* kClsidText = L"{0D2EB700-538A-4177-95B3-DEE63A32B76C}";
// {F10000C0-6202-4F05-8A58-078F3A9BE52A}
inline constexpr GUID kVelmoraLibid = {
    0xF10000C0, 0x6202, 0x4F05, {0x8A, 0x58, 0x07, 0x8F, 0x3A, 0x9B, 0xE5, 0x2A}};
inline constexpr const wchar_t* kLibidText = L"{F10000C0-6202-4F05-8A58-078F3A9BE52A}";
inline constexpr IID kExtensibilityIid = {
    0x0002E151, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kExtensibility2Iid = {
    0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};

inline constexpr const wchar_t* kProgId = L"Velmora.VelmoraClass";

// IDTExtensibility as the IDE calls it. Like every COM interface it has no destructor slot.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
struct HostExtensibility : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* vbInst, LONG connectMode,
                                                 IDispatch* addInInst, SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnDisconnection(LONG removeMode, SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
};

// _IDTExtensibility2: the same slots and one more.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
struct HostExtensibility2 : HostExtensibility {
  virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;
};

// Velmora.dll's Windows path, next to the test program.
inline std::wstring velmoraDllPath() {
  return testing::besideThisProgram(L"Velmora.dll");
}

// Calls an HRESULT(void) export of Velmora.dll (DllRegisterServer, DllUnregisterServer).
inline HRESULT callServerExport(const char* name) {
  HMODULE dll = LoadLibraryW(velmoraDllPath().c_str());
  if (dll == nullptr) {
    return HRESULT_FROM_WIN32(GetLastError());
  }
  using Export = HRESULT(STDAPICALLTYPE*)();
  auto function = reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
  const HRESULT result = function != nullptr ? function() : E_NOTIMPL;
  FreeLibrary(dll);
  return result;
}

// A registry string value; nothing when the key or the value is missing.
inline std::optional<std::wstring> registryString(HKEY root, const std::wstring& path,
                                                  const std::wstring& name = L"") {
  const auto key = win32::RegistryKey::open(root, path);
  return key ? key->readString(name) : std::nullopt;
}

} // namespace velmora::test
