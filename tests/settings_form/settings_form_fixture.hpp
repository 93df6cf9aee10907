#pragma once

#include "common/message_texts.hpp"
#include "host/addin_services.hpp"
#include "host/addin_state.hpp"
#include "hotkey/recording_hotkey_service.hpp"
#include "settings/settings_form.hpp"
#include "settings/temp_dir.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "sim/system/sim_desktop.hpp"
#include "sim/system/sim_file_store.hpp"
#include "sim/system/sim_library_info.hpp"
#include "support/error.hpp"

#include <exception>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::testing {

inline constexpr std::int32_t kCtrlShift = kModControl | kModShift;

// The connection's side of the settings form: records what the form asks of it.
class RecordingOwner final : public SettingsFormOwner {
public:
  void declare(std::u16string_view kind) override {
    declared.emplace_back(kind);
    if (fault) {
      std::rethrow_exception(fault);
    }
  }
  void UpdateButtonTips() override { ++tipUpdates; }

  std::vector<std::u16string> declared;
  int tipUpdates = 0;
  std::exception_ptr fault; // thrown by every declaration
};

// An IDE and another program on one simulated desktop; the add-in's library lives in a fresh
// directory, so Velmora.ini starts missing. The settings form is loaded through the scripted
// toolkit on the IDE's windows and timers.
class SettingsFormTest : public ::testing::Test {
protected:
  SettingsFormTest() { state.options = Options{1, 1, 1, 1}; }

  SettingsForm& load() {
    state.frmVelmora = SettingsForm::load(state, services, owner);
    return *state.frmVelmora;
  }
  sim::ScriptedForm& window() {
    sim::ScriptedForm* form = toolkit.loaded("frmVelmora");
    if (form == nullptr) {
      throw std::logic_error("frmVelmora is not loaded");
    }
    return *form;
  }
  // The settings button: HotDispSet, then the modal dialog, in which `user` acts.
  void openDialog(sim::ScriptedToolkit::Script user) {
    state.frmVelmora->HotDispSet();
    toolkit.whenShown("frmVelmora", std::move(user));
    state.frmVelmora->showModal();
  }

  void writeIni(const std::string& text) const { dir.write("Velmora.ini", text); }
  std::string ini() const { return dir.read("Velmora.ini"); }
  std::vector<std::u16string> messageTexts() const { return testing::messageTexts(toolkit); }
  void setPrefixes(std::vector<PrefixEntry> entries) {
    state.prefixes = Prefixes(std::move(entries));
  }
  std::vector<std::vector<std::u16string>> rows() {
    ListView& list = window().listView("ListView1");
    std::vector<std::vector<std::u16string>> result;
    result.reserve(static_cast<std::size_t>(list.rowCount()));
    for (int row = 0; row < list.rowCount(); ++row) {
      result.push_back({list.cell(row, 0), list.cell(row, 1)});
    }
    return result;
  }
  // Who holds the combination: the settings window, another window, or nobody (0).
  WindowHandle holder(std::int32_t modifiers, std::int32_t key) const {
    const auto held = desktop.hotkeys().holder(modifiers, key);
    return held ? held->window : 0;
  }

  sim::SimDesktop desktop;
  sim::SimProgram& ide = desktop.createProgram("IDE");
  sim::SimProgram& other = desktop.createProgram("Other");
  WindowHandle otherWindow = other.ui().createWindow("other");
  TempDir dir;
  sim::IconvAnsiCodec codec;
  sim::SimFileStore files;
  sim::SimLibraryInfo library{dir.directory(), {1, 3}};
  sim::ScriptedToolkit toolkit{&ide.ui()};
  RecordingHotkeyService hotkeys{ide.hotkeys()};
  AddinServices services{
      toolkit, ide.pump(), desktop.atoms(), hotkeys, ide.procedures(), desktop.clipboard(), library,
      codec,   files};
  RecordingOwner owner;
  AddinState state; // last: the form unloads while everything it uses is still there
};

} // namespace velmora::testing
