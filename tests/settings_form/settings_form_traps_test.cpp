#include "settings_form_fixture.hpp"

#include <new>
#include <stdexcept>

// Each trap of the settings form catches every error, the standard library's as well as the
// add-in's own, and shows it in the form's own box: its description, OK only, titled "ベルモラ".
// Nothing reaches the toolkit's last resort, and a load that fails leaves the form loaded.
namespace velmora::testing {
namespace {

using Traps = SettingsFormTest;

void expectTheBox(const sim::ScriptedToolkit& toolkit, std::u16string_view text) {
  ASSERT_EQ(toolkit.messages().size(), 1U);
  const Message& box = toolkit.messages()[0];
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.shownTitle(), u"ベルモラ");
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  EXPECT_EQ(box.icon, MessageIcon::None);
}

TEST_F(Traps, ALoadThatFailsShowsTheErrorAndTheFormStaysLoaded) {
  hotkeys.fault = std::make_exception_ptr(std::runtime_error("RegisterHotKey: no resources"));
  SettingsForm& form = load();
  expectTheBox(toolkit, u"RegisterHotKey: no resources");
  EXPECT_FALSE(form.unloaded());
  EXPECT_NE(state.hook.PrevWndProc, 0U);
  EXPECT_EQ(form.cboKey(3).count(), 58);
}

TEST_F(Traps, AnOkThatFailsShowsTheErrorAndTheDialogStaysOpen) {
  load();
  hotkeys.fault = std::make_exception_ptr(std::bad_alloc());
  bool shownAfterOk = false;
  openDialog([&](sim::ScriptedForm& f) {
    f.click("cmbOk");
    shownAfterOk = f.visible();
    f.click("cmbCancel");
  });
  expectTheBox(toolkit, u"メモリが不足しています。");
  EXPECT_TRUE(shownAfterOk);
  EXPECT_EQ(owner.tipUpdates, 0) << "OK ended where it failed";
}

TEST_F(Traps, HotDispSetThatFailsShowsTheError) {
  SettingsForm& form = load();
  form.unload(); // its controls are gone: the scripted toolkit refuses them as a program error
  form.HotDispSet();
  expectTheBox(toolkit, u"form frmVelmora used after its unload");
}

TEST_F(Traps, AHotkeyWhoseCommandFailsShowsTheError) {
  load();
  owner.fault = std::make_exception_ptr(std::out_of_range("vector::_M_range_check"));
  ASSERT_TRUE(desktop.hotkeys().press(kCtrlShift, 'D'));
  desktop.runFor(1);
  EXPECT_EQ(owner.declared, std::vector<std::u16string>{u"Dim"});
  expectTheBox(toolkit, u"vector::_M_range_check");
}

} // namespace
} // namespace velmora::testing
