#include "common/hot_key_probe.hpp"
#include "settings_dialog_fixture.hpp"
#include "user_actions.hpp"

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {
namespace {

using SettingsDialogLifetime = SettingsDialogTest;

// Notes the window procedure a window has at the moment it is destroyed.
class DestroyWatch {
public:
  explicit DestroyWatch(HWND window) : window_(window) {
    current() = this;
    hook_ = SetWindowsHookExW(WH_CBT, &DestroyWatch::hook, nullptr, GetCurrentThreadId());
  }
  ~DestroyWatch() {
    UnhookWindowsHookEx(hook_);
    current() = nullptr;
  }
  DestroyWatch(const DestroyWatch&) = delete;
  DestroyWatch& operator=(const DestroyWatch&) = delete;

  bool destroyed = false;
  LONG_PTR procedure = 0;

private:
  static DestroyWatch*& current() {
    static DestroyWatch* watch = nullptr;
    return watch;
  }
  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
    DestroyWatch* self = current();
    if (code == HCBT_DESTROYWND && self != nullptr &&
        win32::fromInteger<HWND>(wParam) == self->window_) {
      self->destroyed = true;
      self->procedure = GetWindowLongPtrW(self->window_, GWLP_WNDPROC);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  HWND window_;
  HHOOK hook_ = nullptr;
};

bool allFourHeld() {
  for (UINT key : std::initializer_list<UINT>{'D', 'P', 'G', 'B'}) {
    if (registrationError(kCtrlShift, key) != kHotKeyAlreadyRegistered) {
      return false;
    }
  }
  return true;
}

// Esc and the close box hide the dialog, keep what it holds as it was and write nothing; the
// window keeps its hotkeys and its hook.
TEST_F(SettingsDialogLifetime, EscAndTheCloseBoxHideTheDialogAndTheWindowKeepsItsHotKeys) {
  load();
  const std::string before = iniBytes();
  for (const bool closeBox : {false, true}) {
    openDialog({
        [&] {
          SetFocus(prefixBox());
          typeIntoFocus(L"str");
          pressKey(VK_TAB);
        },
        [&] {
          typeIntoFocus(L"String");
          pressKey(VK_RETURN);
        },
        [&] {
          clickButton(checkBox("chkNon"));
          clickButton(checkBox("chkHot1", 0));
          closeBox ? closeWindow(window()) : pressKey(VK_ESCAPE);
        },
    });
    EXPECT_FALSE(IsWindowVisible(window())) << closeBox;
    EXPECT_FALSE(state.frmVelmora->unloaded()) << "hidden, not unloaded";
    EXPECT_EQ(findForm(kSettingsCaption), window());
  }
  EXPECT_EQ(iniBytes(), before);
  EXPECT_EQ(state.prefixes.PrefixCount(), 0);
  EXPECT_EQ(state.options.intNon, 1);
  EXPECT_EQ(state.hotKeys[0].HotKeyFlg, 6);
  EXPECT_EQ(owner.tipUpdates, 0);
  EXPECT_TRUE(boxes.seen.empty());
  EXPECT_TRUE(allFourHeld());

  const ATOM slot2 = GlobalFindAtomA("VBSHOYKEY2");
  ASSERT_NE(slot2, 0);
  PostMessageW(window(), WM_HOTKEY, slot2, MAKELPARAM(kCtrlShift, 'P'));
  pump.doEvents();
  EXPECT_EQ(owner.declared, std::vector<std::u16string>{u"Private"}) << "the hook is still there";
}

TEST_F(SettingsDialogLifetime, UnloadReleasesTheHotKeysAndTheirAtomsAndRestoresTheProcedure) {
  load();
  HWND form = window();
  const LONG_PTR original = GetClassLongPtrW(form, GCLP_WNDPROC);
  EXPECT_NE(GetWindowLongPtrW(form, GWLP_WNDPROC), original) << "hooked while loaded";
  ASSERT_TRUE(allFourHeld());
  DestroyWatch watch(form);
  state.frmVelmora->unload();
  EXPECT_TRUE(state.frmVelmora->unloaded());
  ASSERT_TRUE(watch.destroyed);
  EXPECT_EQ(watch.procedure, original) << "the procedure is back before the window goes";
  EXPECT_FALSE(IsWindow(form));
  for (UINT key : std::initializer_list<UINT>{'D', 'P', 'G', 'B'}) {
    EXPECT_EQ(registrationError(kCtrlShift, key), 0u)
        << "Ctrl+Shift+" << static_cast<char>(key) << " is free";
  }
  for (const char* atom : {"VBSHOYKEY1", "VBSHOYKEY2", "VBSHOYKEY3", "VBSHOYKEY4"}) {
    EXPECT_EQ(GlobalFindAtomA(atom), 0) << atom;
  }
  EXPECT_TRUE(boxes.seen.empty());
}

} // namespace
} // namespace velmora::testing
