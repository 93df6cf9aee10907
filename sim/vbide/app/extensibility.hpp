#pragma once

#include <ole2.h>

namespace velmora::sim::vbide {

// The IDE's add-in interface, as the IDE declares it: IDispatch's slots, then the four
// notifications. Like every COM interface it has no destructor slot.
// {0002E151-0000-0000-C000-000000000046}
inline constexpr IID kIidExtensibility = {
    0x0002E151, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
struct Extensibility : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* vbInst, LONG connectMode,
                                                 IDispatch* addInInst, SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnDisconnection(LONG removeMode, SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
};

// The add-in designer's interface: the same slots, then the start of the host's shut-down.
// {B65AD801-ABAF-11D0-BB8B-00A0C90F2744}
inline constexpr IID kIidExtensibility2 = {
    0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
struct Extensibility2 : Extensibility {
  virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;
};

// How an add-in is connected and disconnected.
enum ConnectMode : LONG { kAfterStartup = 0, kStartup = 1, kExternal = 2 };
enum RemoveMode : LONG { kHostShutdown = 0, kUserClosed = 1 };

} // namespace velmora::sim::vbide
