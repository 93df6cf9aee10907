#include "settings_form_fixture.hpp"

namespace velmora::testing {
namespace {

using Rows = std::vector<std::vector<std::u16string>>;
using PrefixEditing = SettingsFormTest;

// The row's appending, focus and emptied boxes: SettingsDialogPrefixes.* under Wine.
TEST_F(PrefixEditing, AddNeedsBothTextsAndAppendsTheTypeInProperCase) {
  load();
  openDialog([&](sim::ScriptedForm& f) {
    EXPECT_EQ(f.scriptedTextBox("txtSettouChar").imeMode(), ImeMode::Off);
    EXPECT_EQ(f.scriptedTextBox("txtKata").imeMode(), ImeMode::Off);
    f.type("txtSettouChar", u"   ");
    f.type("txtKata", u"string");
    f.click("cmbAdd");
    EXPECT_EQ(f.focusedControl(), "txtSettouChar");
    f.type("txtSettouChar", u" str");
    f.type("txtKata", u"  ");
    f.pressEnter();
    EXPECT_EQ(f.focusedControl(), "txtKata");
    // Focus selects the whole text, and typing replaces it.
    f.focus("txtSettouChar");
    f.focus("txtKata");
    EXPECT_EQ(f.textBox("txtKata").selectionLength(), 2);
    f.type("txtKata", u"lONG\tinteger");
    f.pressEnter();
    f.pressEsc();
  });
  EXPECT_EQ(messageTexts(),
            (std::vector<std::u16string>{u"接頭文字を指定してください", u"型を指定してください"}));
  EXPECT_EQ(rows(), (Rows{{u" str", u"Long\tInteger"}}));
  EXPECT_EQ(state.prefixes.PrefixCount(), 0) << "nothing is in force before OK";
}

TEST_F(PrefixEditing, UpDownAndDeleteMoveTheSelectedEntry) {
  setPrefixes({{u"a", u"A"}, {u"b", u"B"}, {u"c", u"C"}, {u"d", u"D"}, {u"e", u"E"}});
  load();
  openDialog([&](sim::ScriptedForm& f) {
    ListView& list = f.listView("ListView1");
    // Nothing selected: nothing moves.
    f.click("cmbUp");
    f.click("cmbDown");
    f.click("cmbDel");
    EXPECT_EQ(list.rowCount(), 5);
    f.pickRow("ListView1", 2);
    f.click("cmbUp");
    EXPECT_EQ(list.selectedRow(), 1);
    f.click("cmbUp");
    f.click("cmbUp");
    EXPECT_EQ(list.selectedRow(), 0) << "the top row stays on top";
    f.pickRow("ListView1", 4);
    f.click("cmbDown");
    EXPECT_EQ(list.selectedRow(), 4);
    f.click("cmbUp");
    f.pickRow("ListView1", 1);
    f.click("cmbDel");
    EXPECT_EQ(list.selectedRow(), -1);
    f.click("cmbDel");
    f.click("cmbCancel");
  });
  EXPECT_EQ(rows(), (Rows{{u"c", u"C"}, {u"b", u"B"}, {u"e", u"E"}, {u"d", u"D"}}));
}

} // namespace
} // namespace velmora::testing
