#include "addin/addin_session.hpp"

namespace velmora::win32 {

namespace {

// Connects to nothing yet: the add-in's behaviour plugs in here.
class IdleSession final : public AddinSession {
public:
  void onConnection(IDispatch* /*vbInst*/) override {}
  void onDisconnection() override {}
};

} // namespace

std::unique_ptr<AddinSession> makeAddinSession(EventSinkSlots& /*sinks*/) {
  return std::make_unique<IdleSession>();
}

} // namespace velmora::win32
