#include "form_test_support.hpp"
#include "ui_steps.hpp"

#include <memory>

namespace velmora {
namespace {

using testing::click;
using testing::windowOf;

FormSpec controlsSpec() {
  FormSpec form = testing::dialogSpec(false, false);
  form.controls.push_back(
      controlSpec(ControlKind::CheckBox, "chkComment", u"ｺﾒﾝﾄ", {120, 600, 2000, 255}, 3));
  ControlSpec timer = controlSpec(ControlKind::Timer, "Timer1", u"", {});
  timer.enabled = false;
  timer.interval = 10;
  form.controls.push_back(timer);
  return form;
}

class Controls : public ::testing::Test {
protected:
  win32::Win32FormsToolkit toolkit;
  std::unique_ptr<Form> form = toolkit.load(controlsSpec());
};

TEST_F(Controls, ACheckBoxClickSeesTheNewValueAndCodeRaisesNoClick) {
  CheckBox& box = form->checkBox("chkComment");
  std::vector<int> seen;
  box.onClick([&] { seen.push_back(box.value()); });
  box.setValue(2);
  EXPECT_TRUE(seen.empty());
  click(box);
  click(box);
  EXPECT_EQ(seen, (std::vector<int>{1, 0})) << "from grayed";
  box.setEnabled(false);
  click(box);
  EXPECT_EQ(seen.size(), 2u) << "a disabled box takes no clicks";
}

TEST_F(Controls, ATextBoxGotFocusHandlerCanSelectItsTextBeforeTheUserTypes) {
  TextBox& text = form->textBox("txtValue");
  text.setText(u"abc");
  int focusEvents = 0;
  text.onGotFocus([&] {
    ++focusEvents;
    text.select(0, static_cast<int>(text.text().size()));
  });
  std::vector<int> selection;
  testing::UiSteps steps({
      [&] {
        selection = {text.selectionStart(), text.selectionLength()};
        testing::typeText(windowOf(text), L"xy");
      },
      [&] { form->hide(); },
  });
  form->showModal();
  EXPECT_EQ(focusEvents, 1);
  EXPECT_EQ(selection, (std::vector<int>{0, 3}));
  EXPECT_EQ(text.text(), u"xy");
}

TEST_F(Controls, ATimerFiresOnlyWhileEnabled) {
  Timer& timer = form->timer("Timer1");
  int ticks = 0;
  timer.onTimer([&] {
    if (++ticks == 3) {
      timer.setEnabled(false);
      form->hide();
    }
  });
  testing::UiSteps steps({[&] { timer.setEnabled(true); }});
  form->showModal();
  EXPECT_EQ(ticks, 3);
  // A tick that was already queued when the timer stopped raises nothing.
  for (WPARAM id = 100; id < 120; ++id) {
    SendMessageW(windowOf(*form), WM_TIMER, id, 0);
  }
  EXPECT_EQ(ticks, 3);
}

} // namespace
} // namespace velmora
