#pragma once

#include "common/message_texts.hpp"
#include "host/addin_services.hpp"
#include "host/addin_state.hpp"
#include "host/connection.hpp"
#include "host/toolbar.hpp"
#include "settings/settings_form.hpp"
#include "settings/temp_dir.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/commandbars/memory_command_bars.hpp"
#include "sim/commandbars/recording_vbe.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/memory_vb_component.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "sim/system/sim_desktop.hpp"
#include "sim/system/sim_file_store.hpp"
#include "sim/system/sim_library_info.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// The IDE as a program on a simulated desktop, with its code windows and command bars in
// memory, the add-in's library in a fresh directory and the scripted user at the keyboard.
// One journal records the host calls, the form events and the message boxes in order.
class ConnectionTest : public ::testing::Test {
protected:
  ConnectionTest() {
    world->clipboard = &desktop.clipboard();
    world->calls.journalTo(&journal);
    toolkit.journalTo(&journal);
    memoryVbe.plugCommandBars(bars, events);
    module = sim::MemoryCodeModule::fromText(
        u"Option Explicit\n\nPublic Sub Main()\n    strName = \"\"\nEnd Sub\n");
    memoryVbe.project().components().add(
        std::make_shared<sim::MemoryVbComponent>(u"basMain", 1, module));
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
  std::vector<std::u16string> messageTexts() const { return testing::messageTexts(toolkit); }
  // Nothing of the add-in is left in the system: no atom, hotkey or replaced window procedure.
  void expectNothingLeft() const {
    EXPECT_EQ(desktop.atoms().size(), 0U);
    EXPECT_TRUE(desktop.hotkeys().registrations().empty());
    EXPECT_TRUE(desktop.windows().hooksLeft().empty());
  }
  std::size_t registeredHotkeys() const { return desktop.hotkeys().registrations().size(); }

  std::vector<std::string> journal;
  sim::SimDesktop desktop;
  sim::SimProgram& ide = desktop.createProgram("VB6");
  sim::SimProgram& other = desktop.createProgram("Other");
  TempDir dir;
  sim::IconvAnsiCodec codec;
  sim::SimFileStore files;
  sim::SimLibraryInfo library{dir.directory(), {1, 0}};
  sim::ScriptedToolkit toolkit{&ide.ui()};
  std::shared_ptr<sim::CommandBarWorld> world = std::make_shared<sim::CommandBarWorld>();
  std::shared_ptr<sim::MemoryCommandBars> bars = std::make_shared<sim::MemoryCommandBars>(world);
  std::shared_ptr<sim::MemoryEvents> events = std::make_shared<sim::MemoryEvents>(world);
  sim::MemoryVbe memoryVbe;
  sim::RecordingVbe vbe{memoryVbe, world->calls};
  std::shared_ptr<sim::MemoryCodeModule> module;
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
