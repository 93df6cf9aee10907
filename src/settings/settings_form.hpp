#pragma once

#include "host/addin_services.hpp"
#include "host/addin_state.hpp"
#include "hotkey/hot_key_form.hpp"
#include "hotkey/hot_key_ports.hpp"
#include "hotkey/hot_key_retry.hpp"
#include "ports/form.hpp"
#include "settings/settings_faces.hpp"
#include "settings/settings_file.hpp"
#include "settings/settings_form_owner.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

// frmVelmora, the settings window. It edits the prefix table, the options and the hotkeys of the
// library-wide state, and OK writes them to the settings file. While loaded, shown or hidden, its
// window owns the four hotkeys: loading hooks the window and registers them, unloading releases
// both. Its picture boxes hold the toolbar faces and its key lists the key names.
class SettingsForm final : public HotKeyForm {
public:
  // Builds the form from its layout and runs its load (Form_Load): the form is then loaded and
  // hidden, also when the load reported an error. The state, the services and the owner must
  // outlive the form. `justRead`, when given, is the settings file as the caller read it a
  // moment ago: the hotkeys are taken from it instead of reading the file again.
  static std::unique_ptr<SettingsForm> load(AddinState& state, const AddinServices& services,
                                            SettingsFormOwner& owner,
                                            const SettingsReader* justRead = nullptr);
  // Unloads the form when that has not been done (releasing the hotkeys and the hook).
  ~SettingsForm() override;
  SettingsForm(const SettingsForm&) = delete;
  SettingsForm& operator=(const SettingsForm&) = delete;

  // The loaded form and its controls.
  Form& window() { return *form_; }
  WindowHandle hWnd() const { return form_->handle(); }
  const Bitmap& face(ButtonFace face);
  // cboKey(index), index 0 to 3 for hotkey slots 1 to 4.
  ComboBox& cboKey(int index);

  // Puts the hotkeys into the hotkey controls and empties the two entry boxes; the toolbar calls
  // it before every showing.
  void HotDispSet();
  // Returns once the dialog is hidden again (OK, Cancel, Esc or the close box) or unloaded.
  void showModal();
  void hide();
  // Runs Form_QueryUnload, then the form is gone; only `unloaded` may be asked afterwards.
  void unload();
  bool unloaded() const { return form_->unloaded(); }

  // The hooked window procedure's calls.
  void HotKeyProc(std::int16_t n) override;
  void EnableTimer1() override;
  void StopReRegistration() override;

private:
  SettingsForm(AddinState& state, const AddinServices& services, SettingsFormOwner& owner);

  // The host may disconnect the add-in while one of the form's message boxes is open, which
  // unloads the form under the event procedure that showed it. `say` then ends that procedure
  // (with FormUnloaded, which no trap of the form takes for an error) and `event` ends it quietly:
  // the rest of it has no form, window or hotkey left to work on.
  struct FormUnloaded {};
  EventHandler event(void (SettingsForm::*procedure)());
  void bindEvents();
  void say(std::u16string text, bool velmoraTitle);
  bool registerSlot(int n);

  // Event procedures.
  void Form_Load(const SettingsReader* justRead);
  void Form_QueryUnload();
  void cmbAdd_Click();
  void cmbDel_Click();
  void cmbUp_Click();
  void cmbDown_Click();
  void swapRows(int from, int to);
  void selectAllOnFocus(TextBox& box);
  void chkComment_Click();
  void cmbOk_Click();
  void cmbCancel_Click();
  void Timer1_Timer();
  void tmrRetry_Timer();

  // Parts of the load and of OK.
  void showPrefixRows();
  void showOptions();
  void fillKeyLists();
  void registerAtLoad();
  void takePrefixRows();
  void takeOptions();
  void takeHotKeys();
  void registerAfterOk();
  void reReadHotKeys();
  void startRetries();

  AddinState& state_;
  AddinServices services_;
  HotKeyPorts ports_;
  SettingsFormOwner& owner_;
  SettingsFile file_;
  // The last OK could not write the file, which therefore no longer holds the settings in force:
  // until an OK writes them, the activations keep the hotkeys as they are instead of reading
  // the file's.
  bool unsaved_ = false;
  HotKeyRetry retry_;
  std::unique_ptr<Form> form_;
};

} // namespace velmora
