#include "failure_of.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/ide/source_binding.hpp"
#include "sim/ide/source_file.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::sim {
namespace {

using Lines = std::vector<std::u16string>;

const std::string kForm =
    "VERSION 5.00\r\nObject = \"{00000000-0000-0000-0000-000000000001}#1.0#0\"; \"x.ocx\"\r\n"
    "Begin VB.Form frmOrder \r\n   Caption         =   \"End\"\r\n"
    "   Begin VB.CommandButton cmdOk \r\n      BeginProperty Font \r\n"
    "         Size            =   9\r\n      EndProperty\r\n   End\r\n"
    "End\r\nAttribute VB_Name = \"frmOrder\"\r\nAttribute VB_PredeclaredId = True\r\n";
const std::string kFormCode = "Option Explicit\r\n\r\nPrivate Sub cmdOk_Click()\r\nEnd Sub\r\n";

TEST(SourceFileParse, FormHeaderWithNestedBlocksIsHidden) {
  const SourceText source = parseSource(kForm + kFormCode, 5, u"fallback");
  EXPECT_EQ(source.name, u"frmOrder");
  EXPECT_EQ(source.header, kForm);
  EXPECT_EQ(source.codeLines,
            (Lines{u"Option Explicit", u"", u"Private Sub cmdOk_Click()", u"End Sub"}));
  EXPECT_EQ(renderSource(source), kForm + kFormCode);
}

// A cut-off form would read the code below its open block as part of the block, and so lose a
// declaration written there at the next load.
TEST(SourceFileParse, ABlockThatIsNeverClosedIsRefused) {
  for (const std::string& text :
       {std::string("VERSION 5.00\r\nBegin VB.Form frmA \r\n   Caption = \"A\"\r\n"),
        kForm.substr(0, kForm.find("   End\r\n")) + kFormCode}) {
    EXPECT_EQ(failureOf([&] { parseSource(text, 5, u"frmA.frm"); }),
              u"BEGIN のブロックが END で閉じられていません: frmA.frm");
  }
}

TEST(SourceFileParse, StandardModuleHeaderIsItsAttributeLines) {
  const std::string text = "Attribute VB_Name = \"basMain\"\nOption Explicit\n";
  const SourceText source = parseSource(text, 1, u"fallback");
  EXPECT_EQ(source.name, u"basMain");
  EXPECT_EQ(source.codeLines, (Lines{u"Option Explicit"}));
  EXPECT_EQ(source.lineBreak, "\n");
  EXPECT_EQ(renderSource(source), text);
}

TEST(SourceFileParse, WithoutVbNameTheFileNameNamesIt) {
  EXPECT_EQ(parseSource("Option Explicit\r\n", 1, u"basLoose.bas").name, u"basLoose");
}

const std::string kClassCode =
    "Public Property Get Item() As Long\r\nAttribute Item.VB_UserMemId = 0\r\n"
    "    Item = 1\r\nEnd Property\r\n";

TEST(SourceFileHiddenLines, MemberAttributesAreHiddenAndStayBelowTheirHeader) {
  auto binding = SourceBinding::bind(parseSource(kClassCode, 2, u"clsItem"));
  binding->module()->insertLines(2, u"    Dim lngValue As Long");
  binding->module()->insertLines(1, u"Option Explicit");
  const std::size_t body = kClassCode.find("    Item");
  EXPECT_EQ(binding->render(), "Option Explicit\r\n" + kClassCode.substr(0, body) +
                                   "    Dim lngValue As Long\r\n" + kClassCode.substr(body));
  // A variable named Attribute is code.
  EXPECT_TRUE(parseSource("Sub A()\r\n    Attribute = 1\r\n", 1, u"x").hiddenLines.empty());
}

// A user control as VB writes it; property pages and user documents have the same shape.
const std::string kUserControl =
    "VERSION 5.00\r\nBegin VB.UserControl ctlPrice \r\n   ClientHeight    =   375\r\n"
    "   Begin VB.TextBox txtPrice \r\n      Alignment       =   1  '右揃え\r\n"
    "      Text            =   \"0\"\r\n   End\r\n   Begin VB.PictureBox picIcon \r\n"
    "      Picture         =   \"ctlPrice.ctx\":0000\r\n   End\r\nEnd\r\n"
    "Attribute VB_Name = \"ctlPrice\"\r\nAttribute VB_Exposed = False\r\n";
const std::string kUserControlCode =
    "Option Explicit\r\nPublic Property Get Value() As Currency\r\n"
    "Attribute Value.VB_UserMemId = 0\r\n    Value = CCur(txtPrice.Text)\r\nEnd Property\r\n";

TEST(SourceFileParse, DesignerFilesHideTheirHeaderLikeForms) {
  const SourceText control = parseSource(kUserControl + kUserControlCode, 8, u"x.ctl");
  EXPECT_EQ(control.name, u"ctlPrice");
  EXPECT_EQ(control.type, 8);
  EXPECT_EQ(control.header, kUserControl);
  EXPECT_EQ(control.codeLines,
            (Lines{u"Option Explicit", u"Public Property Get Value() As Currency",
                   u"    Value = CCur(txtPrice.Text)", u"End Property"}));
  EXPECT_EQ(renderSource(control), kUserControl + kUserControlCode);

  const std::string page = "VERSION 5.00\r\nBegin VB.PropertyPage ppgGeneral \r\n"
                           "   Caption         =   \"全般\"\r\nEnd\r\n"
                           "Attribute VB_Name = \"ppgGeneral\"\r\nOption Explicit\r\n";
  EXPECT_EQ(parseSource(page, 7, u"ppgGeneral.pag").codeLines, (Lines{u"Option Explicit"}));
  const std::string mdi = "VERSION 5.00\r\nBegin VB.MDIForm mdiMain \r\nEnd\r\n"
                          "Attribute VB_Name = \"mdiMain\"\r\nOption Explicit\r\n";
  EXPECT_EQ(parseSource(mdi, 5, u"mdiMain.frm").type, 6);
  EXPECT_EQ(parseSource(kForm + kFormCode, 5, u"frmOrder.frm").type, 5);
}

TEST(SourceFileRoundTrip, UneditedFileComesBackAsItWasRead) {
  // Mixed line breaks: unedited, the file keeps them; edited, the code takes the first one.
  const std::string text = "Attribute VB_Name = \"basA\"\r\nSub A()\nEnd Sub\r\n";
  auto binding = SourceBinding::bind(parseSource(text, 1, u"basA.bas"));
  EXPECT_FALSE(binding->edited());
  EXPECT_EQ(binding->render(), text);
  binding->module()->insertLines(2, u"    Dim x");
  EXPECT_TRUE(binding->edited());
  EXPECT_EQ(binding->render(), "Attribute VB_Name = \"basA\"\r\nSub A()\n    Dim x\nEnd Sub\n");

  for (const std::string& other : {std::string("\xEF\xBB\xBF"
                                               "Attribute VB_Name = \"basA\"\r\n' 合計\r\nEnd Sub"),
                                   std::string("Attribute VB_Name = \"basA\""), std::string(""),
                                   std::string("Attribute VB_Name = \"basA\"\r\n\r\n\r\n")}) {
    EXPECT_EQ(renderSource(parseSource(other, 1, u"x")), other);
  }
  // A header that ends the file gets a line break before code added below it.
  auto headerOnly = SourceBinding::bind(parseSource("Attribute VB_Name = \"basA\"", 1, u"x"));
  headerOnly->module()->insertLines(1, u"Option Explicit");
  EXPECT_EQ(headerOnly->render(), "Attribute VB_Name = \"basA\"\r\nOption Explicit");
}

TEST(SourceFileEncoding, Cp932IsRefusedWithoutACodecAndKeptWithOne) {
  // "' 合計" in code page 932, as the IDE saves it on Japanese Windows.
  const std::string text = "Attribute VB_Name = \"basA\"\r\n' \x8D\x87\x8C\x76\r\n";
  EXPECT_THROW(parseSource(text, 1, u"basA"), Error);
  const SourceText source = parseSource(text, 1, u"basA", std::make_shared<IconvAnsiCodec>());
  EXPECT_EQ(source.codeLines, (Lines{u"' 合計"}));
  EXPECT_EQ(renderSource(source), text);
}

TEST(SourceFileEncoding, AFileThatWouldNotComeBackIsRefusedByNameAndCodePage) {
  const AnsiCodePage cp932{std::make_shared<IconvAnsiCodec>(), u"932"};
  // 0xEB 0x40 names no character in 932 (it would come back as U+30FB's bytes), and a lead
  // byte at the end of a line has no trail byte.
  for (const std::string& text : {std::string("' \xEB\x40\r\n"), std::string("' \x8D\r\nx\r\n")}) {
    EXPECT_EQ(failureOf([&] {
                parseSource("Attribute VB_Name = \"basA\"\r\n" + text, 1, u"basA.bas", cp932);
              }),
              u"コード ページ 932 で読み書きすると内容が変わるファイルは開けません: basA.bas");
  }
}

TEST(SourceFileType, ByExtension) {
  EXPECT_EQ(componentTypeOf("a/basMain.BAS"), 1);
  EXPECT_EQ(componentTypeOf("clsItem.cls"), 2);
  EXPECT_EQ(componentTypeOf("frmOrder.frm"), 5);
  EXPECT_EQ(componentTypeOf("ppgGeneral.pag"), 7);
  EXPECT_EQ(componentTypeOf("ctlPrice.Ctl"), 8);
  EXPECT_EQ(componentTypeOf("docMain.dob"), 9);
  EXPECT_THROW(componentTypeOf("notes.txt"), Error);
  EXPECT_THROW(componentTypeOf("ctlPrice.ctx"), Error);
}

} // namespace
} // namespace velmora::sim
