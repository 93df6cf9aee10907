#include "hotkey/hot_key_registration.hpp"
#include "hotkey/key_list.hpp"
#include "settings/hot_key_settings.hpp"
#include "settings/modifier_boxes.hpp"
#include "settings/settings_form.hpp"
#include "settings/settings_keys.hpp"
#include "support/error.hpp"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

constexpr std::array<const char16_t*, kHotKeySlots> kLoadFailures = {
    u"[DIM]ｼｮｰﾄｶｯﾄｷｰの設定に失敗しました。", u"[PRIVATE]ｼｮｰﾄｶｯﾄｷｰの設定に失敗しました。",
    u"[PUBLIC]ｼｮｰﾄｶｯﾄｷｰの設定に失敗しました。", u"[BAS]ｼｮｰﾄｶｯﾄｷｰの設定に失敗しました。"};
constexpr char16_t kReRegistrationFailed[] = u"ホットキーの設定に失敗しました。";

// One hotkey value from the file, repaired when missing; a value that is no number leaves the
// one in force, and the file, as they are.
std::int32_t readOrKeep(SettingsFile& file, const SettingsReader& read, std::u16string_view key,
                        std::int32_t fallback, std::int32_t current) {
  try {
    return ReadHotKeyValue(file, read, key, fallback);
  } catch (const Error&) {
    return current;
  }
}

bool sameHotKeys(const HotKeys& a, const HotKeys& b) {
  return std::equal(a.begin(), a.end(), b.begin(), [](const HotKey& x, const HotKey& y) {
    return x.HotKeyFlg == y.HotKeyFlg && x.Key == y.Key;
  });
}

} // namespace

bool SettingsForm::registerSlot(int n) {
  const HotKey& hotKey = state_.hotKeys[static_cast<std::size_t>(n - 1)];
  return RegisterHotKeys(state_.hook, ports_, n, hWnd(), HotKeyAtomName(n), hotKey.HotKeyFlg,
                         hotKey.Key);
}

void SettingsForm::fillKeyLists() {
  for (int row = 0; row < kHotKeySlots; ++row) {
    ComboBox& keys = cboKey(row);
    for (const KeyListEntry& entry : KeyList()) {
      keys.addItem(entry.text, entry.key);
    }
  }
}

void SettingsForm::registerAtLoad() {
  for (int n = 1; n <= kHotKeySlots; ++n) {
    if (!registerSlot(n)) {
      say(kLoadFailures[static_cast<std::size_t>(n - 1)], false);
    }
  }
}

void SettingsForm::HotDispSet() {
  try {
    for (int n = 1; n <= kHotKeySlots; ++n) {
      const int row = n - 1;
      const HotKey& hotKey = state_.hotKeys[static_cast<std::size_t>(row)];
      ComboBox& keys = cboKey(row);
      for (int item = 0; item < keys.count(); ++item) {
        if (keys.itemData(item) == hotKey.Key) {
          keys.setListIndex(item);
          break;
        }
      }
      for (const ModifierBox& box : kModifierBoxes) {
        form_->checkBox(box.name, row).setValue((hotKey.HotKeyFlg & box.bit) != 0 ? 1 : 0);
      }
    }
    form_->textBox("txtSettouChar").setText(u"");
    form_->textBox("txtKata").setText(u"");
  } catch (const std::exception& failure) {
    try {
      say(describeFailure(failure), true);
    } catch (const FormUnloaded&) {
      // Disconnected while the box was open; the caller finds the form unloaded.
    }
  }
}

void SettingsForm::EnableTimer1() {
  form_->timer("Timer1").setEnabled(true);
}

void SettingsForm::StopReRegistration() {
  form_->timer("Timer1").setEnabled(false);
  form_->timer("tmrRetry").setEnabled(false);
  retry_.cancel();
}

void SettingsForm::Timer1_Timer() {
  form_->timer("Timer1").setEnabled(false);
  if (!unsaved_) {
    reReadHotKeys();
  }
  startRetries();
}

// Another IDE may have changed the file meanwhile: what it says is registered, and the tooltips
// follow when that differs from what they show.
// The file is read once; the repairs write keys that read blank, never one read later.
void SettingsForm::reReadHotKeys() {
  const HotKeys before = state_.hotKeys;
  const SettingsSnapshot read = file_.snapshot();
  for (int n = 1; n <= kHotKeySlots; ++n) {
    HotKey& hotKey = state_.hotKeys[static_cast<std::size_t>(n - 1)];
    hotKey.HotKeyFlg =
        readOrKeep(file_, read, numberedKey(kHotKeyFlgKey, n), kDefaultHotKeyFlg, hotKey.HotKeyFlg);
    hotKey.Key = readOrKeep(file_, read, numberedKey(kHotKeyKeyKey, n),
                            kDefaultHotKeyKeys[static_cast<std::size_t>(n - 1)], hotKey.Key);
  }
  if (!sameHotKeys(state_.hotKeys, before)) {
    owner_.UpdateButtonTips();
  }
}

// The first attempt for every slot now; the refused ones again on each tick of tmrRetry, which
// keeps the thread free between attempts.
void SettingsForm::startRetries() {
  Timer& retryTimer = form_->timer("tmrRetry");
  retryTimer.setEnabled(false);
  const HotKeyRetry::Outcome outcome = retry_.start([this](int n) { return registerSlot(n); });
  if (outcome == HotKeyRetry::Outcome::Pending) {
    retryTimer.setEnabled(true);
  } else if (outcome == HotKeyRetry::Outcome::Failed) {
    say(kReRegistrationFailed, false);
  }
}

void SettingsForm::tmrRetry_Timer() {
  const HotKeyRetry::Outcome outcome = retry_.retry([this](int n) { return registerSlot(n); });
  if (outcome == HotKeyRetry::Outcome::Pending) {
    return;
  }
  form_->timer("tmrRetry").setEnabled(false);
  if (outcome == HotKeyRetry::Outcome::Failed) {
    say(kReRegistrationFailed, false);
  }
}

} // namespace velmora
