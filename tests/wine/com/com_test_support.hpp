#pragma once

#include <ole2.h>
#include <optional>
#include <string>
#include <windows.h>

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
// The connect object's own interface.
inline constexpr IID kVelmoraClassIid = {
    0xA0801A58, 0x85D5, 0x47D3, {0x96, 0xA4, 0x4C, 0xD4, 0xF4, 0xA6, 0x5B, 0x56}};
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
std::wstring velmoraDllPath();

// Runs a program of the prefix and waits for it; its exit code.
DWORD runProgram(const std::wstring& commandLine);

// Calls an HRESULT(void) export of Velmora.dll (DllRegisterServer, DllUnregisterServer).
HRESULT callServerExport(const char* name);

// A registry string value; nothing when the key or the value is missing.
std::optional<std::wstring> registryString(HKEY root, const std::wstring& path,
                                           const std::wstring& name = L"");
bool registryKeyExists(HKEY root, const std::wstring& path);
// Creates the key as needed and sets its default value.
void setRegistryString(HKEY root, const std::wstring& path, const std::wstring& value);

// COM for the calling thread, single-threaded apartment, for the scope's lifetime.
class Apartment {
public:
  Apartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~Apartment() {
    if (SUCCEEDED(result_)) {
      CoUninitialize();
    }
  }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;

  HRESULT result() const { return result_; }

private:
  HRESULT result_;
};

} // namespace velmora::test
