#include "host/dispatch_code_module.hpp"
#include "host/dispatch_code_pane.hpp"
#include "host/dispatch_command_bars.hpp"
#include "host/dispatch_vb_components.hpp"
#include "host/dispatch_vbe.hpp"
#include "host/fake_dispatch.hpp"

#include <gtest/gtest.h>
#include <memory>

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
    *result = textValue(L"名前");
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
}

TEST(DispatchCalls, AnObjectNumberingAMemberOtherwiseIsAskedAgain) {
  FakeDispatch first;
  first.returns(L"CountOfLines", 2, longValue(3));
  FakeDispatch second;
  second.returns(L"CountOfLines", 40, longValue(4));
  auto context = std::make_shared<DispatchContext>();
  win32::DispatchCodeModule one(hosted(first, u"CodeModule", context));
  win32::DispatchCodeModule two(hosted(second, u"CodeModule", context));
  EXPECT_EQ(one.countOfLines(), 3);
  EXPECT_EQ(two.countOfLines(), 4);
  EXPECT_EQ(second.namesAsked(L"CountOfLines"), 1);
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
  const Selection selection = code.getSelection();
  EXPECT_EQ(selection, (Selection{5, 12, 10, 14}));
  code.setSelection(Selection{3, 4, 3, 9});
  EXPECT_EQ(pane.calls, (Calls{{L"GetSelection", kRun, {kLongOut, kLongOut, kLongOut, kLongOut}},
                               {L"SetSelection", kRun, {i4(3), i4(4), i4(3), i4(9)}}}));
  EXPECT_EQ(code.codeModule()->countOfLines(), 1);
}

TEST(DispatchCalls, CommandBarsAreAddedAndFilledWithTheHostsArgumentTypes) {
  FakeDispatch control;
  control.on(L"Caption", 1, [](DISPPARAMS&, VARIANT* result, EXCEPINFO*) {
    if (result != nullptr) {
      *result = textValue(L"Dim宣言");
    }
    return S_OK;
  });
  control.on(L"BeginGroup", 2);
  control.on(L"TooltipText", 3);
  control.on(L"PasteFace", 4);
  control.on(L"Delete", 5);
  FakeDispatch controls;
  controls.returns(L"Add", 1, objectValue(&control));
  controls.returns(L"Item", 0, objectValue(&control));
  controls.returns(L"Count", 2, longValue(1));
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
  auto controlList = added->controls();
  EXPECT_EQ(controlList->count(), 1);
  auto button = controlList->add(kControlTypeButton);
  button->setCaption(u"設定");
  EXPECT_EQ(button->caption(), u"Dim宣言");
  button->setBeginGroup(true);
  button->setTooltipText(u"Dim宣言(Ctrl+Shift+D)");
  button->pasteFace();
  button->deleteControl();
  EXPECT_EQ(controlList->item(1)->caption(), u"Dim宣言");
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
  EXPECT_EQ(controls.calls, (Calls{{L"Count", kGet, {}},
                                   {L"Add", kCall, {i4(1), kOmitted, kOmitted, kOmitted, kOmitted}},
                                   {L"Item", kCall, {i4(1)}}}));
  EXPECT_EQ(control.calls, (Calls{{L"Caption", kPut, {text(L"設定")}, true},
                                  {L"Caption", kGet, {}},
                                  {L"BeginGroup", kPut, {kTrue}, true},
                                  {L"TooltipText", kPut, {text(L"Dim宣言(Ctrl+Shift+D)")}, true},
                                  {L"PasteFace", kRun, {}},
                                  {L"Delete", kRun, {kOmitted}},
                                  {L"Caption", kGet, {}}}));
}

TEST(DispatchCalls, VbeServesOnlyAnObjectThatKnowsItsMembers) {
  auto context = std::make_shared<DispatchContext>();
  EXPECT_EQ(win32::DispatchVbe::resolve(nullptr, context), nullptr);
  FakeDispatch stranger;
  stranger.on(L"ActiveCodePane", 1);
  EXPECT_EQ(win32::DispatchVbe::resolve(&stranger, context), nullptr);

  FakeDispatch ide;
  ide.returns(L"ActiveCodePane", 0xCE, objectValue(nullptr));
  ide.on(L"ActiveVBProject", 0xC9); // answers Empty
  ide.returns(L"CommandBars", 0x6C, objectValue(nullptr));
  ide.on(L"Events", 0x6F);
  auto vbe = win32::DispatchVbe::resolve(&ide, context);
  ASSERT_NE(vbe, nullptr);
  // No pane: Nothing and Empty both mean none; other objects must be there.
  EXPECT_EQ(vbe->activeCodePane(), nullptr);
  ide.on(L"ActiveCodePane", 0xCE);
  EXPECT_EQ(vbe->activeCodePane(), nullptr);
  try {
    vbe->commandBars();
    FAIL() << "Nothing taken for command bars";
  } catch (const HostError& error) {
    EXPECT_EQ(error.description(),
              u"オブジェクト変数または With ブロック変数が設定されていません。");
  }
  EXPECT_THROW(vbe->activeVBProject(), HostError);
  // The VBE is held while wrapped, and let go with it.
  const ULONG held = ide.references();
  vbe.reset();
  EXPECT_EQ(ide.references(), held - 1);
}

win32::DispatchCodeModule moduleOf(FakeDispatch& fake) {
  return win32::DispatchCodeModule(hosted(fake, u"CodeModule"));
}

// The failure of `call`, which must fail.
template <typename Call> ComError failureOf(Call call) {
  try {
    call();
  } catch (const ComError& error) {
    return error;
  }
  ADD_FAILURE() << "the call succeeded";
  return ComError(S_OK, u"");
}

HRESULT STDAPICALLTYPE fillLater(EXCEPINFO* error) {
  error->bstrDescription = SysAllocString(L"後から入る説明");
  error->scode = E_ACCESSDENIED;
  return S_OK;
}

TEST(HostErrors, ExceptionsRaisedThroughInvokeKeepTheirDescription) {
  FakeDispatch module;
  module.on(L"Lines", 1, [](DISPPARAMS&, VARIANT*, EXCEPINFO* error) {
    return raise(error, L"引数が無効です。", E_INVALIDARG);
  });
  module.on(L"CountOfLines", 2, [](DISPPARAMS&, VARIANT*, EXCEPINFO* error) {
    *error = EXCEPINFO{};
    error->pfnDeferredFillIn = &fillLater;
    return DISP_E_EXCEPTION;
  });
  module.on(L"InsertLines", 3, [](DISPPARAMS&, VARIANT*, EXCEPINFO* error) {
    // A Basic error number without text: its HRESULT, described by the system.
    *error = EXCEPINFO{};
    error->wCode = 5;
    return DISP_E_EXCEPTION;
  });
  auto code = moduleOf(module);

  const ComError raised = failureOf([&] { code.lines(0, 1); });
  EXPECT_EQ(raised.description(), u"引数が無効です。");
  EXPECT_EQ(raised.result(), E_INVALIDARG);
  const ComError deferred = failureOf([&] { code.countOfLines(); });
  EXPECT_EQ(deferred.description(), u"後から入る説明");
  EXPECT_EQ(deferred.result(), E_ACCESSDENIED);
  const ComError numbered = failureOf([&] { code.insertLines(1, u"x"); });
  EXPECT_EQ(numbered.result(), static_cast<HRESULT>(0x800A0005));
  EXPECT_FALSE(numbered.description().empty());
}

TEST(HostErrors, OtherFailuresAreDescribedByErrorInfoOrTheSystem) {
  FakeDispatch module;
  module.on(L"Lines", 1, [](DISPPARAMS&, VARIANT*, EXCEPINFO*) {
    leaveErrorInfo(L"行番号が範囲外です。");
    return E_FAIL;
  });
  module.on(L"CountOfLines", 2, [](DISPPARAMS&, VARIANT*, EXCEPINFO*) { return E_OUTOFMEMORY; });
  module.returns(L"CountOfDeclarationLines", 3, textValue(L"many"));
  auto code = moduleOf(module);

  EXPECT_EQ(failureOf([&] { code.lines(99, 1); }).description(), u"行番号が範囲外です。");
  // Error information left over from an earlier failure does not describe a later one.
  leaveErrorInfo(L"古い説明");
  const ComError bare = failureOf([&] { code.countOfLines(); });
  EXPECT_EQ(bare.result(), E_OUTOFMEMORY);
  EXPECT_NE(bare.description(), u"古い説明");
  EXPECT_FALSE(bare.description().empty());
  // A result of the wrong type is a type mismatch, not a number made up.
  EXPECT_EQ(failureOf([&] { code.countOfDeclarationLines(); }).result(), DISP_E_TYPEMISMATCH);
  // A member the object does not know by name.
  const ComError unknown = failureOf([&] { code.procBodyLine(u"Main", ProcKind::Procedure); });
  EXPECT_EQ(unknown.result(), DISP_E_UNKNOWNNAME);
  EXPECT_FALSE(unknown.description().empty());
}

TEST(HostErrors, AComponentListAnswersByPositionAsAVariant) {
  FakeDispatch component;
  component.returns(L"Name", 0x30, textValue(L"Module1"));
  component.returns(L"Type", 0x33, longValue(1));
  FakeDispatch components;
  components.returns(L"Count", 0xA, longValue(1));
  components.on(L"Item", 0, [&](DISPPARAMS& params, VARIANT* result, EXCEPINFO* error) {
    if (V_VT(&params.rgvarg[0]) != VT_I4 || V_I4(&params.rgvarg[0]) != 1) {
      return raise(error, L"インデックスが有効範囲にありません。", DISP_E_BADINDEX);
    }
    *result = objectValue(&component);
    return S_OK;
  });
  win32::DispatchVbComponents list(hosted(components, u"VBComponents"));
  ASSERT_EQ(list.count(), 1);
  auto first = list.item(1);
  EXPECT_EQ(first->name(), u"Module1");
  EXPECT_EQ(first->type(), static_cast<std::int32_t>(ComponentType::StdModule));
  try {
    list.item(2);
    FAIL() << "position 2 answered";
  } catch (const HostError& error) {
    EXPECT_EQ(error.description(), u"インデックスが有効範囲にありません。");
  }
}

} // namespace
} // namespace velmora::test
