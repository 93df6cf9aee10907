// Declarations on modules shaped like the code people write: property procedures, With blocks,
// recordset fields, banners, commented-out code, conditional compilation, Japanese text.
#include "engine_fixture.hpp"
#include "support/utf.hpp"

#include <string>
#include <vector>

namespace velmora {
namespace {

using testing::EngineTest;

constexpr std::u16string_view kCustomerClass =
    u"Option Explicit\n"
    u"\n"
    u"'==============================================================\n"
    u"' 顧客クラス\n"
    u"'______________________________________________________________\n"
    u"Private mstrName As String\n"
    u"Private mobjAddress As Object\n"
    u"Private mcolOrders As Collection\n"
    u"\n"
    u"Public Property Get Name() As String\n"
    u"    Name = mstrName\n"
    u"End Property\n"
    u"\n"
    u"Public Property Let Name(ByVal strValue As String)\n"
    u"    strTrimmed = Trim$(strValue)\n"
    u"    mstrName = strTrimmed\n"
    u"End Property\n"
    u"\n"
    u"' 住所 (see m_\n"
    u"Public Property Set Address(ByVal objValue As Object) ' see m_\n"
    u"    ' 古い住所\n"
    u"    Set objOld = mobjAddress\n"
    u"    Set mobjAddress = objValue\n"
    u"End Property\n"
    u"\n"
    u"Friend Property Get OrderCount() As Long\n"
    u"    lngCount = mcolOrders.Count\n"
    u"    OrderCount = lngCount\n"
    u"End Property\n";

constexpr std::u16string_view kSearchForm =
    u"Option Explicit\n"                                                       // 1
    u"\n"                                                                      // 2
    u"Private Sub cmdSearch_Click()\n"                                         // 3
    u"'______________________________________________________________\n"       // 4
    u"    Set rs = db.OpenRecordset(\"SELECT * FROM 顧客\", dbOpenSnapshot)\n" // 5
    u"    With txtName\n"                                                      // 6
    u"        .Text = rs!Name\n"                                               // 7
    u"        .SelStart = 0\n"                                                 // 8
    u"    End With\n"                                                          // 9
    u"    lblCount.Caption = CStr(rs.RecordCount)\n"                           // 10
    u"    If rs.EOF Then Exit Sub\n"                                           // 11
    u"    ' 旧処理 _\n"                                                        // 12
    u"      strOld = rs!Code\n"                                                // 13
    u"    Rem strRem = 1\n"                                                    // 14
    u"#If DEBUG_ Then\n"                                                       // 15
    u"    Debug.Print strDebug\n"                                              // 16
    u"#End If\n"                                                               // 17
    u"    strName\u3000= \"a\"\n"                                              // 18
    u"    MsgBox \"件数: \" & _\n"                                             // 19
    u"        CStr(lngHits), , \"検索 _\"\n"                                   // 20
    u"End Sub\n";                                                              // 21

class RealModulesTest : public EngineTest {
protected:
  RealModulesTest() {
    setPrefixes(
        {{u"str", u"String"}, {u"obj", u"Object"}, {u"lng", u"Long"}, {u"rs", u"DAO.Recordset"}});
  }
  // Puts the caret inside the first `word` on line `line` and declares.
  void declareAt(const std::u16string& component, std::int32_t line, std::u16string_view word,
                 std::u16string_view kind = u"Dim") {
    const auto& text = module(component)->lineTexts().at(static_cast<std::size_t>(line - 1));
    const auto at = text.find(word);
    ASSERT_NE(at, std::u16string::npos) << "line " << line;
    caret(component, line, static_cast<std::int32_t>(at + 2));
    declare(kind);
  }
  std::shared_ptr<sim::MemoryCodeModule> module(const std::u16string& component) {
    return vbe_.project().components().module(component);
  }
  std::u16string line(const std::u16string& component, std::int32_t n) {
    return module(component)->lineTexts().at(static_cast<std::size_t>(n - 1));
  }
};

TEST_F(RealModulesTest, DimInEveryKindOfPropertyProcedure) {
  addModule(u"clsCustomer", 2, kCustomerClass);
  declareAt(u"clsCustomer", 15, u"strTrimmed"); // Property Let
  EXPECT_EQ(line(u"clsCustomer", 15), u"\tDim strTrimmed As String");
  EXPECT_EQ(line(u"clsCustomer", 16), u"    strTrimmed = Trim$(strValue)");

  // Property Set, with a header that ends in a comment ending in "_" and a comment below it.
  declareAt(u"clsCustomer", 23, u"objOld");
  EXPECT_EQ(line(u"clsCustomer", 23), u"\tDim objOld As Object");
  EXPECT_EQ(line(u"clsCustomer", 24), u"    Set objOld = mobjAddress");

  declareAt(u"clsCustomer", 29, u"lngCount"); // Friend Property Get
  EXPECT_EQ(line(u"clsCustomer", 28), u"Friend Property Get OrderCount() As Long");
  EXPECT_EQ(line(u"clsCustomer", 29), u"\tDim lngCount As Long");
  EXPECT_TRUE(forms_.messages().empty()) << toUtf8(forms_.messages().at(0).text);
}

TEST_F(RealModulesTest, KeywordsMembersCommentsAndDirectivesAreNoVariables) {
  addModule(u"frmSearch", 5, kSearchForm);
  const std::vector<std::pair<std::int32_t, std::u16string_view>> refused = {
      {3, u"Private"},  {5, u"Set"},          {5, u"OpenRecordset"}, {6, u"With"},
      {7, u"Text"},     {7, u"Name"},         {8, u"SelStart"},      {9, u"End"},
      {10, u"Caption"}, {10, u"RecordCount"}, {11, u"If"},           {11, u"EOF"},
      {11, u"Then"},    {11, u"Exit"},        {13, u"strOld"},       {13, u"Code"},
      {14, u"strRem"},  {15, u"DEBUG_"},      {16, u"Debug"},        {16, u"Print"},
      {17, u"End"},
  };
  const std::vector<std::u16string> before = module(u"frmSearch")->lineTexts();
  for (const auto& [lineNo, word] : refused) {
    forms_.clearMessages();
    declareAt(u"frmSearch", lineNo, word);
    EXPECT_EQ(messageTexts(), std::vector<std::u16string>{u"ｶｰｿﾙが変数の上にありません"})
        << lineNo << " " << toUtf8(std::u16string(word));
  }
  EXPECT_EQ(module(u"frmSearch")->lineTexts(), before);
  EXPECT_TRUE(forms_.shown().empty());
}

TEST_F(RealModulesTest, VariablesAmongThemAreDeclaredAboveTheirFirstUse) {
  addModule(u"frmSearch", 5, kSearchForm);
  // The banner under the header is a comment, not a continuation: the Dim goes above line 5.
  declareAt(u"frmSearch", 5, u"rs");
  EXPECT_EQ(line(u"frmSearch", 5), u"\tDim rs As DAO.Recordset");
  EXPECT_EQ(line(u"frmSearch", 6), u"    Set rs = db.OpenRecordset(\"SELECT * FROM 顧客\", "
                                   u"dbOpenSnapshot)");
  // An ideographic space after the name ends it.
  declareAt(u"frmSearch", 19, u"strName");
  EXPECT_EQ(line(u"frmSearch", 5), u"\tDim strName As String");
  // The object before "." or "!" is a variable, and so is a name on a continuation line.
  forms_.whenShown("frmKata", [](sim::ScriptedForm& f) { f.click("OKButton"); });
  declareAt(u"frmSearch", 8, u"txtName", u"Private");
  EXPECT_EQ(line(u"frmSearch", 2), u"Private txtName");
  declareAt(u"frmSearch", 23, u"lngHits");
  EXPECT_EQ(line(u"frmSearch", 6), u"\tDim lngHits As Long");
  EXPECT_TRUE(forms_.messages().empty());
}

} // namespace
} // namespace velmora
