#include "host/command_pump.hpp"

namespace velmora {

void CommandPump::doEvents() {
  run_.goOn();
  pump_.doEvents();
  run_.goOn();
}

} // namespace velmora
