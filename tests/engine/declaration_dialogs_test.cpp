#include "engine/bas_select_dialog.hpp"
#include "engine/comment_dialog.hpp"
#include "engine/kata_dialog.hpp"
#include "sim/forms/scripted_toolkit.hpp"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using sim::ScriptedForm;
using sim::ScriptedToolkit;

class DeclarationDialogsTest : public ::testing::Test {
protected:
  ScriptedToolkit forms_;
  EngineState state_;
  Options options_;
};

TEST_F(DeclarationDialogsTest, KataDialogLayout) {
  const FormSpec spec = KataDialog::layout();
  EXPECT_EQ(spec.caption, u"変数型選択");
  std::vector<std::string> tabOrder(3);
  for (const auto& control : spec.controls) {
    EXPECT_FALSE(control.isDefault || control.isCancel) << control.name;
    if (control.tabIndex >= 0) {
      tabOrder.at(static_cast<std::size_t>(control.tabIndex)) = control.name;
    }
  }
  EXPECT_EQ(tabOrder, (std::vector<std::string>{"OKButton", "CancelButton", "Combo1"}));
  EXPECT_EQ(KataDialog::typeNames().front(), u"String");
  EXPECT_EQ(KataDialog::typeNames().back(), u"Object");
  EXPECT_EQ(KataDialog::typeNames().size(), 11U);
}

TEST_F(DeclarationDialogsTest, KataDialogAnswers) {
  const auto answer = [&](ScriptedToolkit::Script script) {
    state_.ChosenType = u"stale";
    forms_.whenShown("frmKata", std::move(script));
    KataDialog::show(forms_, state_);
    EXPECT_EQ(forms_.loaded("frmKata"), nullptr) << "the dialog unloads itself";
    return state_.ChosenType;
  };
  EXPECT_EQ(answer([](ScriptedForm& f) { f.doubleClick("Combo1", 2); }), u"Long");
  EXPECT_EQ(answer([](ScriptedForm& f) {
              f.type("Combo1", u"clsCustomer");
              f.click("OKButton");
            }),
            u"clsCustomer");
  EXPECT_EQ(answer([](ScriptedForm& f) {
              f.type("Combo1", u"  Long ");
              f.click("OKButton");
            }),
            u"  Long ");
  EXPECT_EQ(answer([](ScriptedForm& f) {
              f.type("Combo1", u"   ");
              f.click("OKButton");
            }),
            u"");
  EXPECT_EQ(answer([](ScriptedForm& f) { f.click("CancelButton"); }), u"###CANCEL###");
  EXPECT_EQ(answer([](ScriptedForm& f) { f.pressCloseBox(); }), u"###CANCEL###");
}

TEST_F(DeclarationDialogsTest, KataDialogIgnoresEnterEscAndDoubleClickWithoutSelection) {
  forms_.whenShown("frmKata", [](ScriptedForm& f) {
    f.type("Combo1", u"Long");
    f.pressEnter();
    f.pressEsc();
    EXPECT_TRUE(f.visible());
    f.click("OKButton");
  });
  KataDialog::show(forms_, state_);
  EXPECT_EQ(state_.ChosenType, u"Long");
}

TEST_F(DeclarationDialogsTest, CommentDialogTrimsAndCancels) {
  options_.intImeMode = 1;
  forms_.whenShown("frmComment", [](ScriptedForm& f) {
    EXPECT_EQ(f.focusedControl(), "txtComment");
    EXPECT_EQ(f.scriptedTextBox("txtComment").imeMode(), ImeMode::On);
    f.type("txtComment", u"  顧客名  ");
    f.pressEnter();
  });
  CommentDialog::show(forms_, options_, state_);
  EXPECT_EQ(state_.CommentText, u"顧客名");

  options_.intImeMode = 2;
  forms_.whenShown("frmComment", [](ScriptedForm& f) {
    EXPECT_EQ(f.scriptedTextBox("txtComment").imeMode(), ImeMode::Off);
    f.type("txtComment", u"x");
    f.pressEsc();
  });
  CommentDialog::show(forms_, options_, state_);
  EXPECT_EQ(state_.CommentText, u"");
}

TEST_F(DeclarationDialogsTest, BasSelectListsModulesAndRefusesOkWithoutSelection) {
  state_.StdModuleNames = {u"basMain", u"basUtil", u"basData"};
  state_.SelectedStdModule = 7;
  forms_.whenShown("frmBasSelect", [](ScriptedForm& f) {
    auto& list = f.listBox("List1");
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.itemText(2), u"basData");
    f.pressEnter();
    EXPECT_TRUE(f.visible());
    f.pick("List1", 1);
    f.click("OKButton");
  });
  BasSelectDialog::show(forms_, state_);
  EXPECT_EQ(state_.SelectedStdModule, 1);
  ASSERT_EQ(forms_.messages().size(), 1U);
  EXPECT_EQ(forms_.messages()[0].text, u"宣言する標準ﾓｼﾞｭｰﾙを選択してください");
  EXPECT_EQ(forms_.messages()[0].shownTitle(), u"Velmora");

  for (auto close : {&ScriptedForm::pressEsc, &ScriptedForm::pressCloseBox}) {
    state_.SelectedStdModule = 2;
    forms_.whenShown("frmBasSelect", [close](ScriptedForm& f) { (f.*close)(); });
    BasSelectDialog::show(forms_, state_);
    EXPECT_EQ(state_.SelectedStdModule, -1);
  }
}

} // namespace
} // namespace velmora
