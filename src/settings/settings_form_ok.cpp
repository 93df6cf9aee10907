#include "engine/messages.hpp"
#include "hotkey/hot_key_registration.hpp"
#include "settings/modifier_boxes.hpp"
#include "settings/settings_form.hpp"
#include "settings/settings_save.hpp"
#include "settings/vb_number.hpp"
#include "support/error.hpp"
#include "support/text.hpp"

#include <vector>

namespace velmora {

namespace {

constexpr char16_t kWriteFailed[] = u"設定ファイルに書き込めませんでした。";

} // namespace

void SettingsForm::cmbOk_Click() {
  try {
    takePrefixRows();
    takeOptions();
    takeHotKeys();
    // The whole section in one replacement of the file. Whatever happens to the file, what the
    // user confirmed is in force for this session.
    unsaved_ = !SaveSettings(file_, state_.prefixes, state_.options, state_.hotKeys);
    if (unsaved_) {
      say(kWriteFailed, true);
    }
    StopReRegistration();
    for (int n = 1; n <= kHotKeySlots; ++n) {
      UnregisterHotKeys(state_.hook, ports_, n, hWnd());
    }
    registerAfterOk();
    owner_.UpdateButtonTips();
    form_->hide();
  } catch (const std::exception& failure) {
    say(describeFailure(failure), true);
  }
}

void SettingsForm::cmbCancel_Click() {
  form_->hide();
}

void SettingsForm::takePrefixRows() {
  ListView& list = form_->listView("ListView1");
  const int rows = list.rowCount();
  if (rows > kMaxPrefixCount) {
    throw Error(std::u16string(kOverflowDescription));
  }
  std::vector<PrefixEntry> table;
  table.reserve(static_cast<std::size_t>(rows));
  for (int row = 0; row < rows; ++row) {
    table.push_back({list.cell(row, 0), list.cell(row, 1)});
  }
  state_.prefixes.assign(std::move(table), static_cast<std::int16_t>(rows));
}

void SettingsForm::takeOptions() {
  const auto state = [this](const char* name) {
    return static_cast<std::int16_t>(form_->checkBox(name).value());
  };
  Options& options = state_.options;
  options.intNon = state("chkNon");
  options.intTenmetsu = state("chkTenmetsu");
  options.intComment = state("chkComment");
  options.intImeMode = state("chkImeMode");
}

void SettingsForm::takeHotKeys() {
  for (int n = 1; n <= kHotKeySlots; ++n) {
    const int row = n - 1;
    HotKey& hotKey = state_.hotKeys[static_cast<std::size_t>(row)];
    std::int32_t flags = 0;
    for (const ModifierBox& box : kModifierBoxes) {
      if (form_->checkBox(box.name, row).value() == 1) {
        flags |= box.bit;
      }
    }
    hotKey.HotKeyFlg = flags;
    // A key code the list lacks leaves the list without a selection: the slot keeps its key.
    ComboBox& keys = cboKey(row);
    if (keys.listIndex() >= 0) {
      hotKey.Key = keys.itemData(keys.listIndex());
    }
  }
}

void SettingsForm::registerAfterOk() {
  for (int n = 1; n <= kHotKeySlots; ++n) {
    if (!registerSlot(n)) {
      say(u"ホットキー" + decimal(n) + u"の設定に失敗しました。", false);
    }
  }
}

} // namespace velmora
