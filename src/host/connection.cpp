#include "host/connection.hpp"

#include "engine/decl_kind.hpp"
#include "engine/declare_command.hpp"
#include "host/toolbar.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"
#include "settings/settings_file.hpp"
#include "settings/settings_form.hpp"
#include "support/error.hpp"

#include <exception>

namespace velmora {

namespace {

constexpr char16_t kNoObject[] = u"オブジェクト変数または With ブロック変数が設定されていません。";
constexpr char16_t kNoVbeInterface[] = u"型が一致しません。";

// Runs one step of the disconnection, keeping the first failure for the host.
template <typename Step> void runStep(std::exception_ptr& first, Step step) {
  try {
    step();
  } catch (...) {
    if (!first) {
      first = std::current_exception();
    }
  }
}

} // namespace

Connection::Connection(AddinState& state, const AddinServices& services)
    : state_(state), services_(services) {}

Connection::~Connection() {
  // A command still running below (the host letting go of the add-in inside a dialog) ends.
  state_.commands.abandon();
  // The settings form calls back into this connection: it goes first, with its hotkeys and hook.
  if (state_.frmVelmora) {
    auto form = std::move(state_.frmVelmora);
    try {
      form->unload();
    } catch (const std::exception&) {
      // Being torn down; the form's own destructor releases what is left.
    }
  }
}

void Connection::OnConnection(std::shared_ptr<Vbe> vbe) {
  try {
    connect(std::move(vbe));
  } catch (const std::exception& failure) {
    services_.forms.show(
        Message{describeFailure(failure), MessageButtons::Ok, MessageIcon::None, std::nullopt});
  }
}

void Connection::connect(std::shared_ptr<Vbe> vbe) {
  BuildWordDelimiters(state_.engine.Delimiters);
  // One reading of the file for the table, the options and the hotkeys.
  const SettingsFile settings(services_.library.directory(), services_.codec, services_.files);
  const SettingsSnapshot read = settings.snapshot();
  justRead_ = &read;
  struct Forget {
    const SettingsReader*& read;
    ~Forget() { read = nullptr; }
  } const forget{justRead_};
  LoadPrefixTable(read, state_.prefixes);
  LoadOptions(read, state_.options);
  if (!vbe) {
    throw Error(kNoVbeInterface);
  }
  state_.objVBE = std::move(vbe);
  ToolbarContext toolbar{*state_.objVBE,
                         state_.buttons,
                         sinks_,
                         services_.clipboard,
                         [this]() -> Form& { return frmVelmora().window(); },
                         [this](int index) {
                           switch (index) {
                           case 0:
                             DimMenuHandler_Click();
                             break;
                           case 1:
                             PrivateMenuHandler_Click();
                             break;
                           case 2:
                             PublicMenuHandler_Click();
                             break;
                           case 3:
                             BasMenuHandler_Click();
                             break;
                           default:
                             SetteiMenuHandler_Click();
                             break;
                           }
                         }};
  CreateToolbar(toolbar);
  frmVelmora().hide();
  UpdateButtonTips();
}

void Connection::OnDisconnection() {
  std::exception_ptr first;
  runStep(first, [&] {
    if (!state_.buttons.mnuDim) {
      throw Error(kNoObject);
    }
    state_.buttons.mnuDim->deleteControl();
  });
  runStep(first, [&] {
    if (!state_.objVBE) {
      throw Error(kNoObject);
    }
    state_.objVBE->commandBars()->item(kToolbarName)->deleteBar();
  });
  runStep(first, [&] {
    if (state_.frmVelmora) {
      auto form = std::move(state_.frmVelmora);
      form->unload();
    }
  });
  // The dialogs of a command still running below: they end as a cancel, and the command writes
  // nothing more.
  runStep(first, [&] { state_.commands.abandon(); });
  // The clicks of buttons that are gone have nowhere to go.
  for (auto* sink : {&sinks_.DimMenuHandler, &sinks_.PrivateMenuHandler, &sinks_.PublicMenuHandler,
                     &sinks_.BasMenuHandler, &sinks_.SetteiMenuHandler}) {
    runStep(first, [&] {
      if (*sink) {
        (*sink)->unadvise();
      }
    });
  }
  if (first) {
    std::rethrow_exception(first);
  }
}

SettingsForm& Connection::frmVelmora() {
  if (!state_.frmVelmora) {
    state_.frmVelmora = SettingsForm::load(state_, services_, *this, justRead_);
  }
  return *state_.frmVelmora;
}

void Connection::declare(std::u16string_view kind) {
  state_.commands.run(services_.forms, services_.pump,
                      [this, kind](FormsToolkit& forms, EventPump& pump) {
                        // A hotkey comes through the settings form's window: the form stays
                        // until the command returns, even when a disconnection unloads it.
                        const std::shared_ptr<SettingsForm> keep = state_.frmVelmora;
                        DeclareContext context{state_.objVBE.get(), state_.prefixes, state_.options,
                                               state_.engine,       forms,           pump};
                        DoDeclare(context, kind);
                      });
}

void Connection::UpdateButtonTips() {
  velmora::UpdateButtonTips(state_.buttons, state_.hotKeys, frmVelmora().window(), services_.forms);
}

void Connection::DimMenuHandler_Click() {
  declare(kDeclDim);
}
void Connection::PrivateMenuHandler_Click() {
  declare(kDeclPrivate);
}
void Connection::PublicMenuHandler_Click() {
  declare(kDeclPublic);
}
void Connection::BasMenuHandler_Click() {
  declare(kDeclBas);
}

void Connection::SetteiMenuHandler_Click() {
  state_.commands.run(services_.forms, services_.pump, [this](FormsToolkit&, EventPump&) {
    // A disconnection while the dialog is shown unloads the form: it stays until the showing
    // has returned.
    frmVelmora();
    const std::shared_ptr<SettingsForm> form = state_.frmVelmora;
    form->HotDispSet();
    if (!form->unloaded()) {
      form->showModal();
    }
  });
}

} // namespace velmora
