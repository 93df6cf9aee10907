#pragma once

#include "host/addin_services.hpp"
#include "host/addin_state.hpp"
#include "host/event_sinks.hpp"
#include "host/vbe.hpp"
#include "settings/settings_form_owner.hpp"

#include <memory>
#include <string_view>

namespace velmora {

class SettingsForm;
class SettingsReader;

// The connect object VelmoraClass: the IDE connects and disconnects the add-in through it, and
// its five event-sink properties receive the toolbar's clicks. The library-wide state and the
// services belong to the loaded library and outlive it.
class Connection final : public SettingsFormOwner {
public:
  Connection(AddinState& state, const AddinServices& services);
  ~Connection() override;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Loads the settings, keeps the IDE object, builds the toolbar, loads and hides the settings
  // form (which registers the hotkeys) and writes the tooltips. `vbe` is the host's VBE
  // interface of the object the host passed, null when it has none. A failure is reported to
  // the user and ends the connection early; the host always sees success.
  void OnConnection(std::shared_ptr<Vbe> vbe);
  // Deletes the toolbar and unloads the forms, which releases the hotkeys and the window hook,
  // and abandons a command that is waiting in a dialog below this call (it then writes
  // nothing). Every step runs even when an earlier one fails; the first failure is then raised.
  void OnDisconnection();
  void OnAddInsUpdate() {}
  void OnStartupComplete() {}

  // The toolbar's clicks. Each runs a command (a declaration, or the settings dialog), one at a
  // time: a click or hotkey while a command runs is ignored (see CommandGuard).
  void DimMenuHandler_Click();
  void PrivateMenuHandler_Click();
  void PublicMenuHandler_Click();
  void BasMenuHandler_Click();
  void SetteiMenuHandler_Click();

  EventSinks& sinks() { return sinks_; }

  // What the settings form calls: a hotkey's declaration, run like a click's.
  void declare(std::u16string_view kind) override;
  void UpdateButtonTips() override;

private:
  // The settings form, loaded on first reference.
  SettingsForm& frmVelmora();
  void connect(std::shared_ptr<Vbe> vbe);

  AddinState& state_;
  AddinServices services_;
  EventSinks sinks_;
  // While the connection loads: the settings file as it read it, from which the settings form's
  // load takes the hotkeys, so that the file is parsed once.
  const SettingsReader* justRead_ = nullptr;
};

} // namespace velmora
