#include "com/com_boundary.hpp"
#include "host/dispatch_code_module.hpp"
#include "host/dispatch_code_pane.hpp"
#include "host/dispatch_command_bars.hpp"
#include "host/dispatch_vbe.hpp"
#include "host/fake_dispatch.hpp"

#include <gtest/gtest.h>

// The adapter's calls as the host receives them: by name, with arguments of the host's types in
// the host's order, out parameters by reference and optional arguments left out. A refused call
// becomes a HostError carrying the host's own description.
namespace velmora::test {
namespace {

using win32::ComError;
using win32::DispatchContext;

constexpr WORD kGet = DISPATCH_PROPERTYGET;
constexpr WORD kCall = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
constexpr WORD kPut = DISPATCH_PROPERTYPUT;
constexpr WORD kRun = DISPATCH_METHOD;

using Calls = std::vector<CallSeen>;

ArgumentSeen number(VARTYPE type, long value) {
  return {type, value, {}, nullptr};
}
ArgumentSeen i4(long value) {
  return number(VT_I4, value);
}
ArgumentSeen text(const std::wstring& value) {
  return {VT_BSTR, 0, value, nullptr};
}
const ArgumentSeen kTrue = number(VT_BOOL, VARIANT_TRUE);
const ArgumentSeen kOmitted = number(VT_ERROR, DISP_E_PARAMNOTFOUND);
const ArgumentSeen kLongOut = number(VT_I4 | VT_BYREF, 0);

TEST(DispatchCalls, CodeModuleMembersByNameWithTheirArguments) {
  FakeDispatch module;
  module.returns(L"Lines", 1, textValue(L"\tDim strName As String"));
  module.returns(L"CountOfLines", 2, longValue(12));
  module.on(L"ProcOfLine", 3, [](DISPPARAMS& params, VARIANT* result, EXCEPINFO*) {
    // Last argument first: rgvarg[0] is the out kind.
    if (V_VT(&params.rgvarg[0]) != (VT_I4 | VT_BYREF)) {
      return DISP_E_TYPEMISMATCH;
    }
    *V_I4REF(&params.rgvarg[0]) = 3;
    VariantCopy(result, textValue(L"名前").get());
    return S_OK;
  });
  module.returns(L"ProcBodyLine", 4, longValue(7));
  module.on(L"InsertLines", 5);
  module.on(L"AddFromString", 6);
  module.returns(L"CountOfDeclarationLines", 7, longValue(2));

  auto context = std::make_shared<DispatchContext>();
  win32::DispatchCodeModule code(hosted(module, u"CodeModule", context));
  EXPECT_EQ(code.lines(5, 1), u"\tDim strName As String");
  EXPECT_EQ(code.countOfLines(), 12);
  EXPECT_EQ(code.countOfDeclarationLines(), 2);
  ProcKind kind = ProcKind::Procedure;
  EXPECT_EQ(code.procOfLine(9, kind), u"名前");
  EXPECT_EQ(kind, ProcKind::PropertyGet);
  EXPECT_EQ(code.procBodyLine(u"名前", ProcKind::Procedure), 7);
  code.insertLines(8, u"\tDim intCount As Integer ' 件数");
  code.addFromString(u"Private strName As String");
  EXPECT_EQ(module.calls,
            (Calls{{L"Lines", kCall, {i4(5), i4(1)}},
                   {L"CountOfLines", kGet, {}},
                   {L"CountOfDeclarationLines", kGet, {}},
                   {L"ProcOfLine", kCall, {i4(9), kLongOut}},
                   {L"ProcBodyLine", kCall, {text(L"名前"), i4(0)}},
                   {L"InsertLines", kRun, {i4(8), text(L"\tDim intCount As Integer ' 件数")}},
                   {L"AddFromString", kRun, {text(L"Private strName As String")}}}));

  // A second module of the kind is called by the DISPIDs already learnt.
  win32::DispatchCodeModule again(hosted(module, u"CodeModule", context));
  again.lines(1, 1);
  again.countOfLines();
  EXPECT_EQ(module.namesAsked(L"Lines"), 1);
  EXPECT_EQ(module.namesAsked(L"CountOfLines"), 1);
  // An object numbering a member otherwise is asked again.
  FakeDispatch other;
  other.returns(L"CountOfLines", 40, longValue(4));
  EXPECT_EQ(win32::DispatchCodeModule(hosted(other, u"CodeModule", context)).countOfLines(), 4);
  EXPECT_EQ(other.namesAsked(L"CountOfLines"), 1);
}

TEST(DispatchCalls, SelectionGoesOutAndComesBackByReference) {
  FakeDispatch pane;
  pane.on(L"GetSelection", 1, [](DISPPARAMS& params, VARIANT*, EXCEPINFO*) {
    if (params.cArgs != 4) {
      return DISP_E_BADPARAMCOUNT;
    }
    // StartLine is the first argument, so the last in the array.
    const long values[4] = {14, 10, 12, 5}; // EndColumn, EndLine, StartColumn, StartLine
    for (UINT i = 0; i < 4; ++i) {
      if (V_VT(&params.rgvarg[i]) == (VT_I4 | VT_BYREF)) {
        *V_I4REF(&params.rgvarg[i]) = values[i];
      }
    }
    return S_OK;
  });
  pane.on(L"SetSelection", 2);
  FakeDispatch module;
  module.returns(L"CountOfLines", 1, longValue(1));
  pane.returns(L"CodeModule", 3, objectValue(&module));

  win32::DispatchCodePane code(hosted(pane, u"CodePane"));
  EXPECT_EQ(code.getSelection(), (Selection{5, 12, 10, 14}));
  code.setSelection(Selection{3, 4, 3, 9});
  EXPECT_EQ(pane.calls, (Calls{{L"GetSelection", kRun, {kLongOut, kLongOut, kLongOut, kLongOut}},
                               {L"SetSelection", kRun, {i4(3), i4(4), i4(3), i4(9)}}}));
  EXPECT_EQ(code.codeModule()->countOfLines(), 1);
}

TEST(DispatchCalls, CommandBarsAreAddedAndFilledWithTheHostsArgumentTypes) {
  FakeDispatch control;
  control.returns(L"Caption", 1, textValue(L"Dim宣言"));
  control.on(L"BeginGroup", 2);
  control.on(L"TooltipText", 3);
  control.on(L"PasteFace", 4);
  control.on(L"Delete", 5);
  FakeDispatch controls;
  controls.returns(L"Add", 1, objectValue(&control));
  FakeDispatch bar;
  bar.returns(L"NameLocal", 1, textValue(L"ベルモラ"));
  bar.on(L"Visible", 2);
  bar.returns(L"Controls", 3, objectValue(&controls));
  bar.on(L"Delete", 4);
  FakeDispatch bars;
  bars.returns(L"Count", 1, longValue(3));
  bars.returns(L"Item", 0, objectValue(&bar));
  bars.returns(L"Add", 2, objectValue(&bar));

  win32::DispatchCommandBars commandBars(hosted(bars, u"CommandBars"));
  EXPECT_EQ(commandBars.count(), 3);
  EXPECT_EQ(commandBars.item(2)->nameLocal(), u"ベルモラ");
  commandBars.item(u"ベルモラ");
  auto added = commandBars.add(u"ベルモラ", kBarPositionTop);
  added->setVisible(true);
  auto button = added->controls()->add(kControlTypeButton);
  button->setCaption(u"設定");
  EXPECT_EQ(button->caption(), u"Dim宣言");
  button->setBeginGroup(true);
  button->setTooltipText(u"Dim宣言(Ctrl+Shift+D)");
  button->pasteFace();
  button->deleteControl();
  added->deleteBar();

  // A position goes as a 16-bit integer, a name as a string; a put names its argument.
  EXPECT_EQ(bars.calls, (Calls{{L"Count", kGet, {}},
                               {L"Item", kCall, {number(VT_I2, 2)}},
                               {L"Item", kCall, {text(L"ベルモラ")}},
                               {L"Add", kCall, {text(L"ベルモラ"), i4(1), kOmitted, kOmitted}}}));
  EXPECT_EQ(bar.calls, (Calls{{L"NameLocal", kGet, {}},
                              {L"Visible", kPut, {kTrue}, true},
                              {L"Controls", kGet, {}},
                              {L"Delete", kRun, {}}}));
  EXPECT_EQ(controls.calls,
            (Calls{{L"Add", kCall, {i4(1), kOmitted, kOmitted, kOmitted, kOmitted}}}));
  EXPECT_EQ(control.calls, (Calls{{L"Caption", kPut, {text(L"設定")}, true},
                                  {L"Caption", kGet, {}},
                                  {L"BeginGroup", kPut, {kTrue}, true},
                                  {L"TooltipText", kPut, {text(L"Dim宣言(Ctrl+Shift+D)")}, true},
                                  {L"PasteFace", kRun, {}},
                                  {L"Delete", kRun, {kOmitted}}}));
}

// With no code window open the IDE answers Nothing or Empty: no pane, and no failure.
TEST(DispatchCalls, VbeTakesNothingOrEmptyForNoPane) {
  FakeDispatch ide;
  ide.returns(L"ActiveCodePane", 0xCE, objectValue(nullptr));
  ide.on(L"ActiveVBProject", 0xC9);
  ide.on(L"CommandBars", 0x6C);
  ide.on(L"Events", 0x6F);
  auto vbe = win32::DispatchVbe::resolve(&ide, std::make_shared<DispatchContext>());
  ASSERT_NE(vbe, nullptr);
  EXPECT_EQ(vbe->activeCodePane(), nullptr);
  ide.on(L"ActiveCodePane", 0xCE); // answers Empty
  EXPECT_EQ(vbe->activeCodePane(), nullptr);
}

// Raised through Invoke, left as error information, or bare: the failure carries the host's
// description, else the system's.
TEST(HostErrors, EveryFailureCarriesTheHostsDescriptionOrTheSystems) {
  FakeDispatch module;
  module.on(L"Lines", 1, [](DISPPARAMS&, VARIANT*, EXCEPINFO* error) {
    return raise(error, L"引数が無効です。", E_INVALIDARG);
  });
  module.on(L"AddFromString", 4, [](DISPPARAMS&, VARIANT*, EXCEPINFO*) {
    win32::setErrorInfo(IID_NULL, u"行番号が範囲外です。");
    return E_FAIL;
  });
  module.returns(L"ProcBodyLine", 6, textValue(L"many"));
  win32::DispatchCodeModule code(hosted(module, u"CodeModule"));
  const struct {
    std::function<void()> call;
    HRESULT result;
    std::u16string description; // empty: the system's, whatever it says
  } cases[] = {
      {[&] { code.lines(0, 1); }, E_INVALIDARG, u"引数が無効です。"},
      {[&] { code.addFromString(u"x"); }, E_FAIL, u"行番号が範囲外です。"},
      // A result of the wrong type is a type mismatch, not a number made up.
      {[&] { code.procBodyLine(u"Main", ProcKind::Procedure); }, DISP_E_TYPEMISMATCH, u""},
  };
  for (const auto& each : cases) {
    // Error information left over from an earlier failure describes no later one.
    win32::setErrorInfo(IID_NULL, u"古い説明");
    try {
      each.call();
      ADD_FAILURE() << "succeeded: " << std::hex << each.result;
    } catch (const ComError& error) {
      EXPECT_EQ(error.result(), each.result);
      EXPECT_FALSE(error.description().empty()) << std::hex << each.result;
      EXPECT_NE(error.description(), u"古い説明");
      if (!each.description.empty()) {
        EXPECT_EQ(error.description(), each.description) << std::hex << each.result;
      }
    }
  }
}

} // namespace
} // namespace velmora::test
