#include "settings/settings_form.hpp"

#include "engine/decl_kind.hpp"
#include "engine/messages.hpp"
#include "hotkey/hot_key_registration.hpp"
#include "hotkey/window_hook.hpp"
#include "settings/hot_key_settings.hpp"
#include "settings/settings_form_layout.hpp"
#include "support/error.hpp"
#include "support/text.hpp"

#include <algorithm>
#include <utility>

namespace velmora {

std::unique_ptr<SettingsForm> SettingsForm::load(AddinState& state, const AddinServices& services,
                                                 SettingsFormOwner& owner,
                                                 const SettingsReader* justRead) {
  std::unique_ptr<SettingsForm> form(new SettingsForm(state, services, owner));
  try {
    form->Form_Load(justRead);
  } catch (const FormUnloaded&) {
    // Disconnected while the load's message box was open: the form is gone already.
  }
  return form;
}

SettingsForm::SettingsForm(AddinState& state, const AddinServices& services,
                           SettingsFormOwner& owner)
    : state_(state), services_(services), ports_{services.atoms, services.hotkeys,
                                                 services.windowProcedures, services.pump},
      owner_(owner), file_(services.library.directory(), services.codec, services.files),
      form_(services.forms.load(SettingsFormLayout())) {
  bindEvents();
}

SettingsForm::~SettingsForm() {
  if (!form_->unloaded()) {
    form_->unload();
  }
}

EventHandler SettingsForm::event(void (SettingsForm::*procedure)()) {
  return [this, procedure] {
    try {
      (this->*procedure)();
    } catch (const FormUnloaded&) {
      // Unloaded under the procedure: nothing of it is left to finish.
    }
  };
}

void SettingsForm::bindEvents() {
  Form& form = *form_;
  form.onQueryUnload([this] { Form_QueryUnload(); });
  // Closing the window is a Cancel: the form stays loaded, and its window keeps the hotkeys.
  form.onCloseBox(event(&SettingsForm::cmbCancel_Click));
  form.button("cmbAdd").onClick(event(&SettingsForm::cmbAdd_Click));
  form.button("cmbDel").onClick(event(&SettingsForm::cmbDel_Click));
  form.button("cmbUp").onClick(event(&SettingsForm::cmbUp_Click));
  form.button("cmbDown").onClick(event(&SettingsForm::cmbDown_Click));
  form.button("cmbOk").onClick(event(&SettingsForm::cmbOk_Click));
  form.button("cmbCancel").onClick(event(&SettingsForm::cmbCancel_Click));
  TextBox& settouChar = form.textBox("txtSettouChar");
  settouChar.onGotFocus([this, &settouChar] { selectAllOnFocus(settouChar); });
  TextBox& kata = form.textBox("txtKata");
  kata.onGotFocus([this, &kata] { selectAllOnFocus(kata); });
  form.checkBox("chkComment").onClick(event(&SettingsForm::chkComment_Click));
  form.timer("Timer1").onTimer(event(&SettingsForm::Timer1_Timer));
  form.timer("tmrRetry").onTimer(event(&SettingsForm::tmrRetry_Timer));
}

const Bitmap& SettingsForm::face(ButtonFace face) {
  return form_->pictureBox(FacePictureBox(face)).picture();
}

ComboBox& SettingsForm::cboKey(int index) {
  return form_->comboBox("cboKey", index);
}

void SettingsForm::showModal() {
  form_->showModal();
}

void SettingsForm::hide() {
  form_->hide();
}

void SettingsForm::unload() {
  form_->unload();
}

void SettingsForm::say(std::u16string text, bool velmoraTitle) {
  Message message;
  message.text = std::move(text);
  if (velmoraTitle) {
    message.title = kVelmoraTitle;
  }
  services_.forms.show(message);
  if (form_->unloaded()) {
    throw FormUnloaded{};
  }
}

void SettingsForm::Form_Load(const SettingsReader* justRead) {
  try {
    const Version version = services_.library.version();
    form_->label("lblVersion")
        .setCaption(u"ベルモラ Ver " + decimal(version.major) + u"." + decimal(version.minor));
    showPrefixRows();
    showOptions();
    fillKeyLists();
    HookWindow(state_.hook, ports_, *this, hWnd(), kHotKeySlots);
    if (justRead != nullptr) {
      ReadHotKeys(file_, *justRead, state_.hotKeys);
    } else {
      ReadHotKeys(file_, state_.hotKeys);
    }
    registerAtLoad();
  } catch (const std::exception& failure) {
    say(describeFailure(failure), true);
  }
}

void SettingsForm::showPrefixRows() {
  ListView& list = form_->listView("ListView1");
  list.clearRows();
  for (const PrefixEntry& entry : state_.prefixes.entries()) {
    list.addRow({entry.SettouChar, entry.Kata});
  }
}

void SettingsForm::showOptions() {
  const Options& options = state_.options;
  form_->checkBox("chkNon").setValue(options.intNon);
  form_->checkBox("chkTenmetsu").setValue(options.intTenmetsu);
  form_->checkBox("chkComment").setValue(options.intComment);
  form_->checkBox("chkImeMode").setValue(options.intImeMode);
  chkComment_Click();
}

void SettingsForm::chkComment_Click() {
  // A greyed box keeps its state; OK stores it as it stands.
  form_->checkBox("chkImeMode").setEnabled(form_->checkBox("chkComment").value() == 1);
}

void SettingsForm::Form_QueryUnload() {
  StopReRegistration();
  for (int n = 1; n <= kHotKeySlots; ++n) {
    UnregisterHotKeys(state_.hook, ports_, n, hWnd());
  }
  UnhookWindow(state_.hook, ports_, hWnd());
}

void SettingsForm::HotKeyProc(std::int16_t n) {
  std::u16string_view kind;
  switch (n) {
  case 1:
    kind = kDeclDim;
    break;
  case 2:
    kind = kDeclPrivate;
    break;
  case 3:
    kind = kDeclPublic;
    break;
  case 4:
    kind = kDeclBas;
    break;
  default:
    return;
  }
  try {
    owner_.declare(kind);
  } catch (const std::exception& failure) {
    try {
      say(describeFailure(failure), true);
    } catch (const FormUnloaded&) {
      // Disconnected while the box was open; the window procedure returns.
    }
  }
}

} // namespace velmora
