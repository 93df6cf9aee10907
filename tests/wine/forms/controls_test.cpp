#include "form_test_support.hpp"
#include "support/error.hpp"
#include "ui_steps.hpp"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <imm.h>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {
namespace {

using testing::click;
using testing::typeText;
using testing::UiSteps;
using testing::windowOf;

FormSpec controlsSpec() {
  FormSpec form = testing::dialogSpec(false, false);
  form.controls.push_back(
      controlSpec(ControlKind::CheckBox, "chkComment", u"ｺﾒﾝﾄ", {120, 600, 2000, 255}, 3));
  ControlSpec keys = controlSpec(ControlKind::ComboBox, "cboKey", u"", {120, 900, 1500, 300}, 4);
  keys.comboStyle = ComboStyle::DropDownList;
  keys.index = 0;
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
  box.setValue(1);
  EXPECT_EQ(box.value(), 1);
  box.setValue(2);
  EXPECT_EQ(box.value(), 2) << "grayed";
  EXPECT_TRUE(seen.empty());
  EXPECT_THROW(box.setValue(3), Error);
  EXPECT_EQ(box.value(), 2);
  click(box);
  click(box);
  click(box);
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));
  box.setEnabled(false);
  click(box);
  EXPECT_EQ(seen.size(), 3u) << "a disabled box takes no clicks";
}

TEST_F(Controls, ListsKeepTheirEntriesInOrderAndADropDownListItsItemData) {
  ComboBox& keys = form->comboBox("cboKey", 0);
  keys.addItem(u"A", 65);
  keys.addItem(u"負", -7);
  keys.addItem(u"大", 0x7FFFFFFF);
  ASSERT_EQ(keys.count(), 3);
  EXPECT_EQ(keys.itemData(1), -7);
  EXPECT_EQ(keys.itemData(2), 0x7FFFFFFF);
  EXPECT_EQ(keys.itemText(1), u"負");
  EXPECT_EQ(keys.listIndex(), -1);
  keys.setListIndex(1);
  EXPECT_EQ(keys.text(), u"負");
  keys.setText(u"A");
  EXPECT_EQ(keys.listIndex(), 0);
  EXPECT_THROW(keys.setText(u"a"), Error) << "only its own texts, exactly";
  EXPECT_EQ(keys.listIndex(), 0);
  EXPECT_THROW(keys.itemData(3), Error);
  EXPECT_THROW(keys.setListIndex(3), Error);
  keys.clear();
  EXPECT_EQ(keys.count(), 0);

  ListBox& list = form->listBox("List1");
  list.addItem(u"Basic");
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(list.itemText(0), u"Module1");
  EXPECT_EQ(list.itemText(2), u"Basic");
  list.setListIndex(2);
  EXPECT_EQ(list.listIndex(), 2);
  EXPECT_THROW(list.itemText(3), Error);
  list.clear();
  EXPECT_EQ(list.listIndex(), -1);
}

TEST_F(Controls, AReportListViewHoldsRowsOfCellsWithOneSelectedRow) {
  ListView& view = form->listView("ListView1");
  HWND window = windowOf(view);
  EXPECT_NE(GetWindowLongW(window, GWL_STYLE) & LVS_SINGLESEL, 0);
  EXPECT_NE(SendMessageW(window, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT, 0);
  EXPECT_EQ(SendMessageW(window, LVM_GETCOLUMNWIDTH, 0, 0),
            SendMessageW(window, LVM_GETCOLUMNWIDTH, 1, 0));
  view.addRow({u"str", u"String"});
  view.addRow({u"int", u"Integer"});
  view.addRow({u"lng"});
  ASSERT_EQ(view.rowCount(), 3);
  EXPECT_EQ(view.cell(2, 1), u"");
  const std::u16string longType(300, u'型');
  view.setCell(2, 1, longType);
  EXPECT_EQ(view.cell(2, 1), longType);
  EXPECT_EQ(view.selectedRow(), -1);
  view.selectRow(1);
  view.selectRow(2);
  EXPECT_EQ(view.selectedRow(), 2);
  EXPECT_EQ(SendMessageW(window, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  view.removeRow(0);
  EXPECT_EQ(view.cell(0, 0), u"int");
  EXPECT_THROW(view.cell(2, 0), Error);
  EXPECT_THROW(view.cell(0, 2), Error);
  EXPECT_THROW(view.addRow({u"a", u"b", u"c"}), Error);
  view.clearRows();
  EXPECT_EQ(view.rowCount(), 0);
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
  UiSteps steps({
      [&] {
        selection = {text.selectionStart(), text.selectionLength()};
        typeText(windowOf(text), L"xy");
      },
      [&] { form->hide(); },
  });
  form->showModal();
  EXPECT_EQ(focusEvents, 1);
  EXPECT_EQ(selection, (std::vector<int>{0, 3}));
  EXPECT_EQ(text.text(), u"xy");
  text.select(1, 99);
  EXPECT_EQ(text.selectionStart(), 1);
  EXPECT_EQ(text.selectionLength(), 1) << "clamped to the text";
}

TEST_F(Controls, ATextBoxOpensOrClosesTheInputMethodWhenItGetsTheFocus) {
  if (ImmIsIME(GetKeyboardLayout(0)) == FALSE) {
    GTEST_SKIP() << "no input method for this keyboard layout";
  }
  TextBox& text = form->textBox("txtValue");
  const auto openStatus = [&] {
    HWND window = windowOf(text);
    HIMC context = ImmGetContext(window);
    const BOOL open = context != nullptr && ImmGetOpenStatus(context);
    ImmReleaseContext(window, context);
    return open != FALSE;
  };
  std::vector<bool> seen;
  text.setImeMode(ImeMode::On);
  UiSteps steps({
      [&] { seen.push_back(openStatus()); },
      [&] { form->button("OKButton").setFocus(); },
      [&] { text.setImeMode(ImeMode::Off); },
      [&] { text.setFocus(); },
      [&] { seen.push_back(openStatus()); },
      [&] { text.setImeMode(ImeMode::On); },
      [&] { seen.push_back(openStatus()); },
      [&] { form->hide(); },
  });
  form->showModal();
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
}

TEST_F(Controls, ATimerFiresOnlyWhileEnabled) {
  Timer& timer = form->timer("Timer1");
  EXPECT_FALSE(timer.enabled());
  EXPECT_EQ(timer.interval(), 10);
  int ticks = 0;
  timer.onTimer([&] {
    if (++ticks == 3) {
      timer.setEnabled(false);
      form->hide();
    }
  });
  HWND window = windowOf(*form);
  UiSteps steps({[&] { timer.setEnabled(true); }});
  form->showModal();
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(timer.enabled());
  // A tick that was already queued when the timer stopped raises nothing.
  for (WPARAM id = 100; id < 120; ++id) {
    SendMessageW(window, WM_TIMER, id, 0);
  }
  EXPECT_EQ(ticks, 3);
}

} // namespace
} // namespace velmora
