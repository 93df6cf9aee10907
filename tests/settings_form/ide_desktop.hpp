#pragma once

#include "common/message_texts.hpp"
#include "settings/temp_dir.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "sim/system/sim_desktop.hpp"
#include "sim/system/sim_file_store.hpp"
#include "sim/system/sim_library_info.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::testing {

inline constexpr std::int32_t kCtrlShift = kModControl | kModShift;

// The IDE and another program on one simulated desktop, the add-in's library in a fresh
// directory (Velmora.ini starts missing) and the scripted user at the IDE's windows.
class IdeDesktop : public ::testing::Test {
protected:
  void writeIni(const std::string& text) const { dir.write("Velmora.ini", text); }
  std::string ini() const { return dir.read("Velmora.ini"); }
  std::vector<std::u16string> messageTexts() const { return testing::messageTexts(toolkit); }
  // Who holds the combination: a window of the add-in, another's, or nobody (0).
  WindowHandle holder(std::int32_t modifiers, std::int32_t key) const {
    const auto held = desktop.hotkeys().holder(modifiers, key);
    return held ? held->window : 0;
  }
  // Nothing of the add-in is left in the system: no atom, hotkey or replaced window procedure.
  void expectNothingLeft() const {
    EXPECT_EQ(desktop.atoms().size(), 0U);
    EXPECT_EQ(desktop.hotkeys().count(), 0U);
    EXPECT_TRUE(desktop.windows().hooksLeft().empty());
  }

  sim::SimDesktop desktop;
  sim::SimProgram& ide = desktop.createProgram("IDE");
  sim::SimProgram& other = desktop.createProgram("Other");
  WindowHandle otherWindow = other.ui().createWindow("other");
  TempDir dir;
  sim::IconvAnsiCodec codec;
  sim::SimFileStore files;
  sim::SimLibraryInfo library{dir.directory(), {1, 0}};
  sim::ScriptedToolkit toolkit{&ide.ui()};
};

} // namespace velmora::testing
