#include "host/toolbar.hpp"

#include "engine/messages.hpp"
#include "support/error.hpp"

#include <array>
#include <exception>

namespace velmora {

namespace {

struct ButtonSpec {
  std::shared_ptr<CommandBarControl> ToolbarButtons::*reference;
  std::shared_ptr<CommandBarEvents> EventSinks::*sink;
  const char* picture;
};

constexpr std::array<ButtonSpec, 5> kButtons = {{
    {&ToolbarButtons::mnuDim, &EventSinks::DimMenuHandler, "picDim"},
    {&ToolbarButtons::mnuPrivate, &EventSinks::PrivateMenuHandler, "picPrivate"},
    {&ToolbarButtons::mnuPublic, &EventSinks::PublicMenuHandler, "picPublic"},
    {&ToolbarButtons::mnuBas, &EventSinks::BasMenuHandler, "picBas"},
    {&ToolbarButtons::mnuSettei, &EventSinks::SetteiMenuHandler, "picSettei"},
}};

constexpr std::size_t kSettingsButton = 4;

const std::array<std::u16string, 4> kTipHeads = {u"Dim宣言(", u"Private宣言(", u"Public宣言(",
                                                 u"標準ﾓｼﾞｭｰﾙ内Public宣言("};

// Puts the clipboard's content back when the toolbar is done with it, whatever happened.
class ClipboardKeeper {
public:
  explicit ClipboardKeeper(Clipboard& clipboard) : clipboard_(clipboard) {
    try {
      saved_ = clipboard_.save();
    } catch (const std::exception&) {
      saved_.reset(); // nothing to put back; the faces still need the clipboard
    }
  }
  ~ClipboardKeeper() {
    if (!saved_) {
      return;
    }
    try {
      clipboard_.restore(*saved_);
    } catch (const std::exception&) {
      // The user's clipboard is lost; the toolbar is complete all the same.
    }
  }
  ClipboardKeeper(const ClipboardKeeper&) = delete;
  ClipboardKeeper& operator=(const ClipboardKeeper&) = delete;

private:
  Clipboard& clipboard_;
  std::unique_ptr<Clipboard::Saved> saved_;
};

bool isOwnCaption(const std::u16string& caption) {
  const auto& captions = ToolbarCaptions();
  return std::find(captions.begin(), captions.end(), caption) != captions.end();
}

// Dead buttons of a run that ended without disconnection carry our captions; they go.
void removeLeftovers(CommandBar& bar) {
  auto controls = bar.controls();
  for (std::int32_t i = controls->count(); i >= 1; --i) {
    auto control = controls->item(i);
    if (isOwnCaption(control->caption())) {
      control->deleteControl();
    }
  }
}

} // namespace

const std::array<std::u16string, 5>& ToolbarCaptions() {
  static const std::array<std::u16string, 5> captions = {u"Dim宣言", u"Private宣言", u"Public宣言",
                                                         u"標準ﾓｼﾞｭｰﾙPublic宣言", u"設定"};
  return captions;
}

void CreateToolbar(ToolbarContext& context) {
  ClipboardKeeper keeper(context.clipboard);
  auto bars = context.vbe.commandBars();
  const auto count = static_cast<std::int16_t>(bars->count());
  bool exists = false;
  for (std::int16_t i = 1; i <= count; ++i) {
    if (bars->item(i)->nameLocal() == kToolbarName) {
      exists = true;
      break;
    }
  }
  if (exists) {
    removeLeftovers(*bars->item(kToolbarName));
  } else {
    bars->add(kToolbarName, kBarPositionTop);
  }
  bars->item(kToolbarName)->setVisible(true);

  for (std::size_t i = 0; i < kButtons.size(); ++i) {
    const ButtonSpec& spec = kButtons[i];
    auto button =
        context.vbe.commandBars()->item(kToolbarName)->controls()->add(kControlTypeButton);
    context.buttons.*spec.reference = button;
    button->setCaption(ToolbarCaptions()[i]);
    if (i == kSettingsButton) {
      button->setBeginGroup(true);
    }
    context.clipboard.setPicture(context.settingsForm().pictureBox(spec.picture).picture());
    button->pasteFace();
    auto events = context.vbe.events()->commandBarEvents(*button);
    context.sinks.*spec.sink = events;
    events->advise([onClick = context.onClick, index = static_cast<int>(i)] { onClick(index); });
  }
}

std::u16string ButtonTip(int n, const HotKey& hotKey, const ComboBox& keyList) {
  std::u16string tip = kTipHeads.at(static_cast<std::size_t>(n - 1));
  if ((hotKey.HotKeyFlg & kModAlt) != 0) {
    tip += u"Alt+";
  }
  if ((hotKey.HotKeyFlg & kModControl) != 0) {
    tip += u"Ctrl+";
  }
  if ((hotKey.HotKeyFlg & kModShift) != 0) {
    tip += u"Shift+";
  }
  if ((hotKey.HotKeyFlg & kModWin) != 0) {
    tip += u"Win+";
  }
  for (int item = 0; item < keyList.count(); ++item) {
    if (keyList.itemData(item) == hotKey.Key) {
      tip += keyList.itemText(item);
      break;
    }
  }
  return tip + u")";
}

void UpdateButtonTips(const ToolbarButtons& buttons, const HotKeys& hotKeys, Form& settingsForm,
                      MessageBoxes& messages) {
  try {
    for (int n = 1; n <= kHotKeySlots; ++n) {
      const auto& button = buttons.*kButtons.at(static_cast<std::size_t>(n - 1)).reference;
      if (!button) {
        throw Error(u"オブジェクト変数または With ブロック変数が設定されていません。");
      }
      button->setTooltipText(ButtonTip(n, hotKeys.at(static_cast<std::size_t>(n - 1)),
                                       settingsForm.comboBox("cboKey", n - 1)));
    }
  } catch (const std::exception& failure) {
    messages.show(
        Message{describeFailure(failure), MessageButtons::Ok, MessageIcon::None, kVelmoraTitle});
  }
}

} // namespace velmora
