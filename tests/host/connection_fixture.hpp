#pragma once

#include "host/addin_services.hpp"
#include "host/addin_state.hpp"
#include "host/connection.hpp"
#include "host/toolbar.hpp"
#include "settings/settings_form.hpp"
#include "settings_form/ide_desktop.hpp"
#include "sim/commandbars/memory_command_bars.hpp"
#include "sim/commandbars/recording_vbe.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/memory_vb_component.hpp"
#include "sim/ide/memory_vbe.hpp"

#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// The connection to an IDE whose code windows and command bars live in memory; basMain, the
// second of two standard modules, uses strName (line 4) and dblTax (line 5) undeclared.
class ConnectionTest : public IdeDesktop {
protected:
  ConnectionTest() {
    world->clipboard = &desktop.clipboard();
    memoryVbe.plugCommandBars(bars, events);
    for (const auto& [name, code] : {std::pair{u"basOther", sim::MemoryCodeModule::fromText(u"")},
                                     std::pair{u"basMain", module}}) {
      memoryVbe.project().components().add(std::make_shared<sim::MemoryVbComponent>(name, 1, code));
    }
  }

  void connect() {
    connection.OnConnection(std::shared_ptr<Vbe>(&vbe, [](Vbe*) {}));
  }
  void disconnect() { connection.OnDisconnection(); }
  std::vector<std::shared_ptr<sim::MemoryCommandBar>> toolbars() const {
    return bars->barsNamed(kToolbarName);
  }
  std::vector<std::u16string> captionsOf(sim::MemoryCommandBar& bar) const {
    std::vector<std::u16string> captions;
    for (const auto& button : bar.buttons()) {
      captions.push_back(button->currentCaption());
    }
    return captions;
  }

  std::shared_ptr<sim::CommandBarWorld> world = std::make_shared<sim::CommandBarWorld>();
  std::shared_ptr<sim::MemoryCommandBars> bars = std::make_shared<sim::MemoryCommandBars>(world);
  std::shared_ptr<sim::MemoryEvents> events = std::make_shared<sim::MemoryEvents>(world);
  sim::MemoryVbe memoryVbe;
  sim::RecordingVbe vbe{memoryVbe, world->calls};
  std::shared_ptr<sim::MemoryCodeModule> module = sim::MemoryCodeModule::fromText(
      u"Option Explicit\n\nPublic Sub Main()\n    strName = \"\"\n    dblTax = 1\nEnd Sub\n");
  AddinServices services{toolkit,
                         ide.pump(),
                         desktop.atoms(),
                         ide.hotkeys(),
                         ide.procedures(),
                         desktop.clipboard(),
                         library,
                         codec,
                         files};
  AddinState state; // after everything the settings form uses
  Connection connection{state, services};
};

} // namespace velmora::testing
