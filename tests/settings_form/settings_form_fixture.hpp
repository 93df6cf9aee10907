#pragma once

#include "host/addin_services.hpp"
#include "host/addin_state.hpp"
#include "hotkey/recording_hotkey_service.hpp"
#include "ide_desktop.hpp"
#include "settings/settings_form.hpp"
#include "support/error.hpp"

#include <exception>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::testing {

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

// The settings form, loaded through the scripted toolkit on the IDE's windows and timers.
class SettingsFormTest : public IdeDesktop {
protected:
  SettingsFormTest() { state.options = Options{1, 1, 1, 1}; }

  SettingsForm& load() {
    state.frmVelmora = SettingsForm::load(state, services, owner);
    return *state.frmVelmora;
  }
  sim::ScriptedForm& window() { return *toolkit.loaded("frmVelmora"); }
  // The settings button: HotDispSet, then the modal dialog, in which `user` acts.
  void openDialog(sim::ScriptedToolkit::Script user) {
    state.frmVelmora->HotDispSet();
    toolkit.whenShown("frmVelmora", std::move(user));
    state.frmVelmora->showModal();
  }
  void setPrefixes(std::vector<PrefixEntry> entries) { state.prefixes = Prefixes(entries); }
  std::vector<std::vector<std::u16string>> rows() {
    ListView& list = window().listView("ListView1");
    std::vector<std::vector<std::u16string>> result;
    result.reserve(static_cast<std::size_t>(list.rowCount()));
    for (int row = 0; row < list.rowCount(); ++row) {
      result.push_back({list.cell(row, 0), list.cell(row, 1)});
    }
    return result;
  }

  RecordingHotkeyService hotkeys{ide.hotkeys()};
  AddinServices services{
      toolkit, ide.pump(), desktop.atoms(), hotkeys, ide.procedures(), desktop.clipboard(), library,
      codec,   files};
  RecordingOwner owner;
  AddinState state; // last: the form unloads while everything it uses is still there
};

} // namespace velmora::testing
