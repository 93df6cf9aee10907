#pragma once

#include "addin/addin_session.hpp"
#include "addin/session/addin_library.hpp"
#include "host/connection.hpp"

#include <memory>

namespace velmora::win32 {

// The add-in behind one connect object: the core's Connection over the library's add-in, with
// the IDE's objects reached through IDispatch. The library's add-in is taken at the first
// connection or disconnection and kept until the connect object goes.
class ConnectionSession final : public AddinSession {
public:
  explicit ConnectionSession(EventSinkSlots& sinks) : sinks_(sinks) {}
  // A connect object released while connected: the settings form, which calls back into this
  // connection, is unloaded first (hotkeys and window procedure released), then the connection
  // lets go of its button events.
  ~ConnectionSession() override;
  ConnectionSession(const ConnectionSession&) = delete;
  ConnectionSession& operator=(const ConnectionSession&) = delete;

  // The VBInst object is the VBE; an object that cannot serve as one reaches the connection as
  // none, which it reports.
  void onConnection(IDispatch* vbInst) override;
  void onDisconnection() override;

private:
  Connection& connection();
  // Puts the host's event objects that the connection holds into the sink properties.
  void publishSinks();

  EventSinkSlots& sinks_;
  std::shared_ptr<AddinLibrary> library_;
  std::unique_ptr<Connection> connection_;
};

} // namespace velmora::win32
