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

const std::string kForm = "VERSION 5.00\r\n"
                          "Object = \"{00000000-0000-0000-0000-000000000001}#1.0#0\"; \"x.ocx\"\r\n"
                          "Begin VB.Form frmOrder \r\n"
                          "   Caption         =   \"End\"\r\n"
                          "   Begin VB.CommandButton cmdOk \r\n"
                          "      BeginProperty Font \r\n"
                          "         Size            =   9\r\n"
                          "      EndProperty\r\n"
                          "   End\r\n"
                          "End\r\n"
                          "Attribute VB_Name = \"frmOrder\"\r\n"
                          "Attribute VB_PredeclaredId = True\r\n";
const std::string kFormCode = "Option Explicit\r\n"
                              "\r\n"
                              "Private Sub cmdOk_Click()\r\n"
                              "End Sub\r\n";

TEST(SourceFileParse, FormHeaderWithNestedBlocksIsHidden) {
  const SourceText source = parseSource(kForm + kFormCode, 5, u"fallback");
  EXPECT_EQ(source.name, u"frmOrder");
  EXPECT_EQ(source.header, kForm);
  EXPECT_EQ(source.codeLines,
            (Lines{u"Option Explicit", u"", u"Private Sub cmdOk_Click()", u"End Sub"}));
  EXPECT_EQ(renderSource(source), kForm + kFormCode);
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
  EXPECT_EQ(parseSource("Option Explicit\r\n", 1, u"basLoose").name, u"basLoose");
}

TEST(SourceFileRoundTrip, KeepsByteOrderMarkMissingFinalBreakAndJapaneseText) {
  for (const std::string& text : {
           std::string("\xEF\xBB\xBF"
                       "Attribute VB_Name = \"basA\"\r\n' 合計\r\nSub A()\r\nEnd Sub"),
           std::string("Attribute VB_Name = \"basA\"\r\n"),
           std::string("Attribute VB_Name = \"basA\""),
           std::string(""),
           std::string("Attribute VB_Name = \"basA\"\r\n\r\n\r\n"),
       }) {
    EXPECT_EQ(renderSource(parseSource(text, 1, u"x")), text);
  }
}

TEST(SourceFileRoundTrip, EditedModuleKeepsTheHeaderByteForByte) {
  auto binding = SourceBinding::bind(parseSource(kForm + kFormCode, 5, u"x"));
  binding->module()->addFromString(u"Private intCount As Integer");
  EXPECT_EQ(binding->render(), kForm + "Option Explicit\r\n"
                                       "Private intCount As Integer\r\n"
                                       "\r\n"
                                       "Private Sub cmdOk_Click()\r\n"
                                       "End Sub\r\n");
}

TEST(SourceFileRoundTrip, HeaderWithoutFinalBreakGetsOneBeforeAddedCode) {
  auto binding = SourceBinding::bind(parseSource("Attribute VB_Name = \"basA\"", 1, u"x"));
  binding->module()->insertLines(1, u"Option Explicit");
  EXPECT_EQ(binding->render(), "Attribute VB_Name = \"basA\"\r\nOption Explicit");
}

const std::string kClassCode = "Public Property Get Item() As Long\r\n"
                               "Attribute Item.VB_UserMemId = 0\r\n"
                               "    Item = 1\r\n"
                               "End Property\r\n";

TEST(SourceFileHiddenLines, MemberAttributesAreHiddenAndStayBelowTheirHeader) {
  auto binding = SourceBinding::bind(parseSource(kClassCode, 2, u"clsItem"));
  const auto& module = binding->module();
  EXPECT_EQ(module->lineTexts(),
            (Lines{u"Public Property Get Item() As Long", u"    Item = 1", u"End Property"}));
  module->insertLines(2, u"    Dim lngValue As Long");
  module->insertLines(1, u"Option Explicit");
  EXPECT_EQ(binding->render(), "Option Explicit\r\n"
                               "Public Property Get Item() As Long\r\n"
                               "Attribute Item.VB_UserMemId = 0\r\n"
                               "    Dim lngValue As Long\r\n"
                               "    Item = 1\r\n"
                               "End Property\r\n");
}

TEST(SourceFileHiddenLines, AVariableNamedAttributeIsCode) {
  const SourceText source = parseSource("Sub A()\r\n    Attribute = 1\r\nEnd Sub\r\n", 1, u"x");
  EXPECT_EQ(source.codeLines.size(), 3U);
  EXPECT_TRUE(source.hiddenLines.empty());
}

TEST(SourceFileEncoding, Cp932IsRefusedWithoutACodecAndKeptWithOne) {
  // "' 合計" in code page 932, as the IDE saves it on Japanese Windows.
  const std::string text = "Attribute VB_Name = \"basA\"\r\n' \x8D\x87\x8C\x76\r\n";
  EXPECT_THROW(parseSource(text, 1, u"basA"), Error);
  const SourceText source = parseSource(text, 1, u"basA", std::make_shared<IconvAnsiCodec>());
  EXPECT_EQ(source.codeLines, (Lines{u"' 合計"}));
  EXPECT_EQ(renderSource(source), text);
}

TEST(SourceFileType, ByExtension) {
  EXPECT_EQ(componentTypeOf("a/basMain.BAS"), 1);
  EXPECT_EQ(componentTypeOf("clsItem.cls"), 2);
  EXPECT_EQ(componentTypeOf("frmOrder.frm"), 5);
  EXPECT_THROW(componentTypeOf("notes.txt"), Error);
}

} // namespace
} // namespace velmora::sim
