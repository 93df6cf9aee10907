#include "engine/comment_suffix.hpp"
#include "engine/messages.hpp"
#include "engine_fixture.hpp"
#include "failing_vbe.hpp"
#include "support/error.hpp"

#include <new>
#include <stdexcept>

// Rules of the declaration command that its other tests pass by: how a prefix matches, where
// Private and Public go, which kinds write, what a selection declares, what a failure says.
namespace velmora {
namespace {

using sim::ScriptedForm;
using testing::EngineTest;
using testing::FailingVbe;

class DeclareRulesTest : public EngineTest {
protected:
  DeclareRulesTest() {
    module_ = addModule(u"basMain", 1,
                        u"Sub Main()\n    StrName = str + st\n    strTitle = \"\"\nEnd Sub\n");
    setPrefixes({{u"str", u"String"}});
    options_.intNon = 0; // a name of no prefix brings the Variant question, answered No
  }
  // Declares the name at `column` of the StrName line as Private: the declaration, or "" when
  // none was written.
  std::u16string declared(std::int32_t column) {
    forms_.answerNextMessage(MessageResult::No);
    const std::size_t before = module_->lineTexts().size();
    caret(u"basMain", lineOf(u"    StrName"), column);
    declare(u"Private");
    if (module_->lineTexts().size() == before) {
      return u"";
    }
    return module_->lineTexts().at(0);
  }
};

TEST_F(DeclareRulesTest, APrefixMatchesCaseSensitivelyAWordAtLeastAsLong) {
  EXPECT_EQ(declared(6), u"") << "StrName begins with Str, not str";
  EXPECT_EQ(declared(16), u"Private str As String") << "a word equal to the prefix";
  EXPECT_EQ(declared(22), u"") << "st is shorter than the prefix";
  EXPECT_EQ(messageTexts(), std::vector<std::u16string>(
                                2, u"登録されていない接頭文字です、Variant型として宣言しますか？"));
}

TEST_F(DeclareRulesTest, PrivateAndPublicGoIntoAClassModuleAsIntoAnyOther) {
  const auto cls = addModule(
      u"clsItem", 2, u"Option Explicit\n\nPublic Sub Save()\n    strPath = \"\"\nEnd Sub\n");
  caret(u"clsItem", 4, 7);
  declare(u"Private");
  declare(u"Public");
  EXPECT_EQ(cls->lineTexts().at(1), u"Private strPath As String");
  EXPECT_EQ(cls->lineTexts().at(2), u"Public strPath As String");
  EXPECT_EQ(module_->lineTexts().size(), 5U) << "the standard module is left alone";
}

TEST_F(DeclareRulesTest, AKindOtherThanTheFourWritesNothing) {
  for (const std::u16string_view kind : {u"dim", u"Static", u"", u"Bas "}) {
    caret(u"basMain", 3, 7);
    declare(kind);
  }
  EXPECT_EQ(module_->lineTexts().size(), 5U);
  EXPECT_TRUE(forms_.messages().empty());
  EXPECT_TRUE(forms_.shown().empty());
}

TEST_F(DeclareRulesTest, ASelectionDeclaresTheWordAtItsStart) {
  const auto pane = caret(u"basMain", 3, 1);
  pane->setSelection({3, 7, 3, 17}); // from inside strTitle to the string
  declare(u"Dim");
  EXPECT_EQ(module_->lineTexts().at(1), u"\tDim strTitle As String");
  // Made upwards, from the strTitle line to StrName: the upper end is its start.
  pane->setSelection({lineOf(u"    strTitle"), 4, lineOf(u"    StrName"), 8});
  declare(u"Private");
  EXPECT_EQ(module_->lineTexts().at(0), u"Private StrName");
}

// The command's trap catches every error, the standard library's too, and shows its description
// in the failure message.
TEST_F(DeclareRulesTest, TheFailureMessageCarriesTheErrorsDescription) {
  DeclareContext context = context_;
  const auto failWith = [&](Vbe& host) {
    context.objVBE = &host;
    DoDeclare(context, u"Dim");
  };
  FailingVbe host(HostError(u"オートメーション エラーです。"));
  failWith(host);
  FailingVbe own(Error(u"型が一致しません。"));
  failWith(own);
  FailingVbe library(std::runtime_error("basic_string::_M_create"));
  failWith(library);
  FailingVbe memory(std::bad_alloc{});
  failWith(memory);
  EXPECT_EQ(messageTexts(),
            (std::vector<std::u16string>{u"処理に失敗しました(オートメーション エラーです。)",
                                         u"処理に失敗しました(型が一致しません。)",
                                         u"処理に失敗しました(basic_string::_M_create)",
                                         u"処理に失敗しました(メモリが不足しています。)"}));
  for (const Message& message : forms_.messages()) {
    EXPECT_EQ(message.shownTitle(), kVelmoraTitle);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
  }
}

TEST_F(DeclareRulesTest, AskCommentSuffixGivesNothingWhenItsDialogFails) {
  options_.intComment = 1;
  state_.CommentText = u"前回";
  forms_.whenShown("frmComment", [](ScriptedForm& /*form*/) { throw Error(u"読み込めません"); });
  EXPECT_EQ(AskCommentSuffix(context_), u"");
  forms_.whenShown("frmComment",
                   [](ScriptedForm& /*form*/) { throw std::runtime_error("no window"); });
  EXPECT_EQ(AskCommentSuffix(context_), u"");
  EXPECT_EQ(state_.CommentText, u"");

  // The declaration goes ahead without a comment.
  forms_.whenShown("frmComment", [](ScriptedForm& /*form*/) { throw Error(u"読み込めません"); });
  caret(u"basMain", lineOf(u"    strTitle"), 7);
  declare(u"Private");
  EXPECT_EQ(module_->lineTexts().at(0), u"Private strTitle As String");
  EXPECT_TRUE(forms_.messages().empty());
}

} // namespace
} // namespace velmora
