#include "engine/comment_dialog.hpp"
#include "sim/forms/scripted_toolkit.hpp"

#include <gtest/gtest.h>

// The answers of the declaration's dialogs are tested on the real toolkit under Wine
// (tests/wine/dialogs/declaration_dialogs_test.cpp) and through the command (DoDeclareTest);
// here what Wine cannot show without an input method.
namespace velmora {
namespace {

using sim::ScriptedForm;

TEST(DeclarationDialogsTest, TheCommentBoxTakesTheInputMethodModeOfTheOption) {
  sim::ScriptedToolkit forms;
  EngineState state;
  Options options;
  for (const ImeMode mode : {ImeMode::On, ImeMode::Off}) {
    options.intImeMode = static_cast<std::int16_t>(mode == ImeMode::On ? 1 : 2);
    forms.whenShown("frmComment", [mode](ScriptedForm& f) {
      EXPECT_EQ(f.focusedControl(), "txtComment");
      EXPECT_EQ(f.scriptedTextBox("txtComment").imeMode(), mode);
      f.type("txtComment", u"  顧客名  ");
      f.pressEnter();
    });
    CommentDialog::show(forms, options, state);
    EXPECT_EQ(state.CommentText, u"顧客名");
  }
}

} // namespace
} // namespace velmora
