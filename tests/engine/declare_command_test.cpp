#include "engine_fixture.hpp"
#include "support/utf.hpp"

namespace velmora {
namespace {

using sim::ScriptedForm;
using testing::EngineTest;

constexpr std::u16string_view kModule = u"Option Explicit\n"
                                        u"\n"
                                        u"Private Sub Form_Load()\n"
                                        u"    strName = \"abc\"\n"
                                        u"    intCount = 1: sngRate = 2: x1 = 0\n"
                                        u"    ' strNote\n"
                                        u"    lblTitle.Caption = \"a strX b\" ' strComment\n"
                                        u"End Sub\n";

class DoDeclareTest : public EngineTest {
protected:
  DoDeclareTest() {
    module_ = addModule(u"frmMain", 5, kModule);
    setPrefixes({{u"str", u"String"}});
  }
  std::size_t lineCount() const { return module_->lineTexts().size(); }
  std::shared_ptr<sim::MemoryCodeModule> addStdModule(const std::u16string& name) {
    return addModule(name, 1, u"Option Explicit\n\nSub " + name + u"Main()\nEnd Sub\n");
  }
};

TEST_F(DoDeclareTest, TypicalRequestWritesTheDimBelowTheHeader) {
  caret(u"frmMain", 4, 7);
  declare(u"Dim");
  EXPECT_EQ(line(4), u"\tDim strName As String");
  EXPECT_EQ(line(5), u"    strName = \"abc\"");
  EXPECT_TRUE(forms_.messages().empty());
  EXPECT_TRUE(forms_.shown().empty());
  EXPECT_TRUE(pump_.sleeps.empty()) << "no blink when it is off";
  vbe_.windows().clearActive();
  declare(u"Dim"); // no code window: nothing, silently
  EXPECT_TRUE(forms_.messages().empty());
}

TEST_F(DoDeclareTest, UnregisteredPrefixAsksForTheType) {
  const auto declareWith = [&](sim::ScriptedToolkit::Script answer) {
    forms_.whenShown("frmKata", std::move(answer));
    caret(u"frmMain", lineOf(u"    intCount"), 6);
    declare(u"Private");
    return line(module_->countOfDeclarationLines()); // the newest module-level line
  };
  EXPECT_EQ(declareWith([](ScriptedForm& f) {
              f.type("Combo1", u" clsItem ");
              f.click("OKButton");
            }),
            u"Private intCount As  clsItem ");
  EXPECT_EQ(declareWith([](ScriptedForm& f) { f.click("OKButton"); }), u"Private intCount");

  const std::size_t before = lineCount();
  declareWith([](ScriptedForm& f) {
    f.type("Combo1", u"  ###CANCEL### ");
    f.click("OKButton");
  });
  EXPECT_EQ(lineCount(), before);
  EXPECT_TRUE(forms_.messages().empty());
}

// Yes writes the name without a type, No writes nothing.
TEST_F(DoDeclareTest, VariantQuestionWhenAskingIsOff) {
  options_.intNon = 0;
  caret(u"frmMain", 5, 6);
  declare(u"Dim");
  ASSERT_EQ(forms_.messages().size(), 1U);
  EXPECT_EQ(forms_.messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(forms_.messages()[0].shownTitle(), u"ベルモラ");
  EXPECT_EQ(line(4), u"\tDim intCount");
}

TEST_F(DoDeclareTest, TypeCharacterNamesGetNoAsClause) {
  module_->insertLines(5, u"    strTitle$ = \"\": lngSize& = 0");
  caret(u"frmMain", 5, 8);
  declare(u"Dim");
  EXPECT_EQ(line(4), u"\tDim strTitle$");
  caret(u"frmMain", 6, 28);
  declare(u"Private");
  EXPECT_EQ(line(2), u"Private lngSize&");
  EXPECT_TRUE(forms_.shown().empty()) << "no type question for a name that carries its type";
}

TEST_F(DoDeclareTest, DimOutsideAProcedureAsksForTheTypeFirst) {
  forms_.whenShown("frmKata", [](ScriptedForm& f) { f.doubleClick("Combo1", 0); });
  module_->insertLines(2, u"Private intTop");
  caret(u"frmMain", 2, 10);
  declare(u"Dim");
  EXPECT_EQ(forms_.shown(), std::vector<std::string>{"frmKata"});
  EXPECT_EQ(messageTexts(), std::vector<std::u16string>{u"ｶｰｿﾙ下のﾌﾟﾛｼｰｼﾞｬが判断できません"});
}

TEST_F(DoDeclareTest, HostErrorsEndInTheFailureMessage) {
  // The module ends in a continued line: the line that would complete it is past the end.
  auto bas = addModule(u"basLoose", 1, u"Sub Main()\n    x = strName + _");
  caret(u"basLoose", 2, 14);
  declare(u"Dim");
  EXPECT_EQ(messageTexts(), std::vector<std::u16string>{
                                u"処理に失敗しました(インデックスが有効範囲にありません。)"});
  EXPECT_EQ(bas->lineTexts().size(), 2U);
}

// Esc or a blank comment declares without one: OneCommandTest.WhileTheCommentDialogIsOpen...
// The comment box takes the input method mode of the option, which Wine cannot show.
TEST_F(DoDeclareTest, CommentIsAskedAfterTheTypeAndAppended) {
  options_.intComment = 1;
  options_.intImeMode = 1;
  forms_.whenShown("frmKata", [](ScriptedForm& f) { f.doubleClick("Combo1", 1); });
  forms_.whenShown("frmComment", [](ScriptedForm& f) {
    EXPECT_EQ(f.scriptedTextBox("txtComment").imeMode(), ImeMode::On);
    f.type("txtComment", u"  件数  ");
    f.pressEnter();
  });
  caret(u"frmMain", lineOf(u"    intCount"), 6);
  declare(u"Dim");
  EXPECT_EQ(line(4), u"\tDim intCount As Integer\t'件数");
  EXPECT_EQ(forms_.shown(), (std::vector<std::string>{"frmKata", "frmComment"}));
}

TEST_F(DoDeclareTest, BasAsksForTheModuleOnlyWhenThereAreSeveral) {
  addModule(u"clsItem", 2, u"");
  caret(u"frmMain", 4, 7);
  declare(u"Bas");
  EXPECT_EQ(messageTexts(), std::vector<std::u16string>{u"ﾌﾟﾛｼﾞｪｸﾄ内に標準ﾓｼﾞｭｰﾙが見つかりません"});
  EXPECT_EQ(forms_.messages()[0].shownTitle(), u"Velmora");
  const auto bas = addStdModule(u"basMain");
  declare(u"Bas");
  EXPECT_EQ(bas->lineTexts().at(1), u"Public strName As String");
  EXPECT_TRUE(forms_.shown().empty());
}

TEST_F(DoDeclareTest, BlinkSelectsTheNameThreeTimesThenRestoresTheCaret) {
  options_.intTenmetsu = 1;
  auto pane = caret(u"frmMain", 4, 9);
  std::vector<Selection> seen;
  pump_.onPump = [&] { seen.push_back(pane->getSelection()); };
  declare(u"Dim");
  // The caret moved down with its line: the name is now on line 5, columns 5 to 12.
  const Selection name{5, 5, 5, 12};
  const Selection after{5, 12, 5, 12};
  EXPECT_EQ(seen, (std::vector<Selection>{name, after, name, after, name, after, {5, 9, 5, 9}}));
  EXPECT_EQ(pump_.sleeps, (std::vector<std::uint32_t>(6, 100)));
}

} // namespace
} // namespace velmora
