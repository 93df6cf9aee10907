#include "form_test_support.hpp"
#include "support/error.hpp"
#include "ui_steps.hpp"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {
namespace {

using testing::click;
using testing::windowOf;

FormSpec controlsSpec() {
  FormSpec form = testing::dialogSpec(false, false);
  form.controls.push_back(
      controlSpec(ControlKind::CheckBox, "chkComment", u"ｺﾒﾝﾄ", {120, 600, 2000, 255}, 3));
  ControlSpec keys = controlSpec(ControlKind::ComboBox, "cboKey", u"", {120, 900, 1500, 300}, 4);
  keys.comboStyle = ComboStyle::DropDownList;
  form.controls.push_back(keys);
  ControlSpec list = controlSpec(ControlKind::ListBox, "List1", u"", {1800, 900, 1300, 900}, 6);
  list.items = {u"Module1", u"Module2"};
  form.controls.push_back(list);
  ControlSpec view =
      controlSpec(ControlKind::ListView, "ListView1", u"", {1800, 1900, 2800, 1500}, 7);
  view.columns = {{"SettouChar", u"接頭文字"}, {"Kata", u"型"}};
  form.controls.push_back(view);
  ControlSpec timer = controlSpec(ControlKind::Timer, "Timer1", u"", {});
  timer.enabled = false;
  timer.interval = 10;
  form.controls.push_back(timer);
  form.clientHeight = 3600;
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
  EXPECT_EQ(box.value(), 2) << "grayed";
  EXPECT_THROW(box.setValue(3), Error);
  EXPECT_TRUE(seen.empty());
  click(box);
  click(box);
  EXPECT_EQ(seen, (std::vector<int>{1, 0}));
  box.setEnabled(false);
  click(box);
  EXPECT_EQ(seen.size(), 2u) << "a disabled box takes no clicks";
}

// The dialogs' tests walk the lists through their paths; these are the edges they leave out.
TEST_F(Controls, ListsKeepTheirEntriesInOrderAndADropDownListItsItemData) {
  ComboBox& keys = form->comboBox("cboKey");
  keys.addItem(u"A", 65);
  keys.addItem(u"負", -7);
  EXPECT_EQ(keys.itemData(1), -7);
  keys.setText(u"負");
  EXPECT_EQ(keys.listIndex(), 1);
  EXPECT_THROW(keys.setText(u"a"), Error) << "only its own texts, exactly";
  EXPECT_THROW(keys.setListIndex(2), Error);

  ListBox& list = form->listBox("List1");
  list.addItem(u"Basic");
  EXPECT_EQ(list.itemText(2), u"Basic");
  list.setListIndex(2);
  list.clear();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.listIndex(), -1);

  ListView& view = form->listView("ListView1");
  view.addRow({u"str", u"String"});
  view.addRow({u"lng"});
  const std::u16string longType(300, u'型');
  view.setCell(1, 1, longType);
  EXPECT_EQ(view.cell(1, 1), longType);
  view.selectRow(0);
  view.selectRow(1);
  EXPECT_EQ(view.selectedRow(), 1);
  EXPECT_EQ(SendMessageW(windowOf(view), LVM_GETSELECTEDCOUNT, 0, 0), 1);
  view.removeRow(0);
  EXPECT_EQ(view.cell(0, 0), u"lng");
  EXPECT_THROW(view.cell(1, 0), Error);
  EXPECT_THROW(view.addRow({u"a", u"b", u"c"}), Error);
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
  text.select(1, 99);
  EXPECT_EQ(text.selectionLength(), 1) << "clamped to the text";
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
