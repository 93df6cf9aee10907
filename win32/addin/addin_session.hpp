#pragma once

#include <cstddef>
#include <memory>
#include <oaidl.h>

namespace velmora::win32 {

// What the connect object does when the IDE connects and disconnects the add-in. Each connect
// object has one session, made with the object and destroyed with it; the IDE may connect and
// disconnect the same object more than once. Called on the IDE's user-interface thread only.
class AddinSession {
public:
  virtual ~AddinSession() = default;

  // The IDE connects the add-in. `vbInst` is the IDE's root object as the IDE passed it (it may be
  // null or lack the VBE interface); it is valid for the call, AddRef it to keep it. The session
  // reports its own failures to the user and returns: the IDE is told the connection succeeded.
  // An exception that escapes anyway reaches the IDE as a failed call.
  virtual void onConnection(IDispatch* vbInst) = 0;

  // The IDE disconnects the add-in. A failing step throws velmora::Error (or ComError with the
  // host's HRESULT); the IDE receives the failure with its description.
  virtual void onDisconnection() = 0;
};

// The connect object's five event-sink properties (0 DimMenuHandler to 4 SetteiMenuHandler): a
// connection puts there the host's event object of each toolbar button it binds.
class EventSinkSlots {
public:
  virtual void setEventSink(std::size_t button, IDispatch* events) = 0;

protected:
  ~EventSinkSlots() = default;
};

// Makes the session of a new connect object, whose sink properties are `sinks`.
std::unique_ptr<AddinSession> makeAddinSession(EventSinkSlots& sinks);

} // namespace velmora::win32
