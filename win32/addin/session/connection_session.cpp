#include "addin/session/connection_session.hpp"

#include "addin/server_module.hpp"
#include "host/dispatch_command_bar_events.hpp"
#include "host/dispatch_vbe.hpp"
#include "settings/settings_form.hpp"

#include <array>

namespace velmora::win32 {

ConnectionSession::~ConnectionSession() {
  if (library_) {
    try {
      library_->state().frmVelmora.reset();
    } catch (...) {
      // The form is gone either way; its unload reports its own failures.
    }
  }
  connection_.reset();
  library_.reset();
}

Connection& ConnectionSession::connection() {
  if (!connection_) {
    if (!library_) {
      library_ = AddinLibrary::acquire();
    }
    connection_ = std::make_unique<Connection>(library_->state(), library_->services());
  }
  return *connection_;
}

void ConnectionSession::onConnection(IDispatch* vbInst) {
  Connection& target = connection();
  auto context = std::make_shared<DispatchContext>();
  // The host holds our click sinks: each keeps the library loaded while it lives.
  context->holdLibrary = [] { return std::make_shared<const server::ObjectReference>(); };
  target.OnConnection(DispatchVbe::resolve(vbInst, std::move(context)));
  publishSinks();
}

void ConnectionSession::onDisconnection() {
  connection().OnDisconnection();
}

void ConnectionSession::publishSinks() {
  const EventSinks& held = connection_->sinks();
  const std::array<const std::shared_ptr<CommandBarEvents>*, 5> order = {
      &held.DimMenuHandler, &held.PrivateMenuHandler, &held.PublicMenuHandler, &held.BasMenuHandler,
      &held.SetteiMenuHandler};
  for (std::size_t button = 0; button < order.size(); ++button) {
    if (const auto* events = dynamic_cast<const DispatchCommandBarEvents*>(order[button]->get())) {
      sinks_.setEventSink(button, events->dispatch());
    }
  }
}

} // namespace velmora::win32
