#include "addin/addin_session.hpp"
#include "addin/session/connection_session.hpp"

namespace velmora::win32 {

std::unique_ptr<AddinSession> makeAddinSession(EventSinkSlots& sinks) {
  return std::make_unique<ConnectionSession>(sinks);
}

} // namespace velmora::win32
