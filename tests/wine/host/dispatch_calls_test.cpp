#include "host/dispatch_code_module.hpp"
#include "host/dispatch_code_pane.hpp"
#include "host/dispatch_command_bars.hpp"
#include "host/dispatch_vbe.hpp"
#include "host/fake_dispatch.hpp"

#include <gtest/gtest.h>
#include <memory>

// The adapter's calls as the host receives them: by name, with arguments of the host's types in
// the host's order, out parameters by reference and optional arguments left out.
namespace velmora::test {
namespace {

using win32::ComPtr;
using win32::DispatchContext;
using win32::DispatchObject;

constexpr WORD kGet = DISPATCH_PROPERTYGET;
constexpr WORD kCall = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

using Arguments = std::vector<ArgumentSeen>;

ArgumentSeen number(VARTYPE type, long value) {
  return {type, value, {}, nullptr};
}
ArgumentSeen i4(long value) {
  return number(VT_I4, value);
}
ArgumentSeen text(const std::wstring& value) {
  return {VT_BSTR, 0, value, nullptr};
}
// An optional argument left out.
ArgumentSeen omitted() {
  return number(VT_ERROR, DISP_E_PARAMNOTFOUND);
}

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
  win32::DispatchCodeModule code(
      DispatchObject(ComPtr(static_cast<IDispatch*>(&module)), context, u"CodeModule"));
  EXPECT_EQ(code.lines(5, 1), u"\tDim strName As String");
  EXPECT_EQ(code.countOfLines(), 12);
  EXPECT_EQ(code.countOfDeclarationLines(), 2);
  ProcKind kind = ProcKind::Procedure;
  EXPECT_EQ(code.procOfLine(9, kind), u"名前");
  EXPECT_EQ(kind, ProcKind::PropertyGet);
  EXPECT_EQ(code.procBodyLine(u"名前", ProcKind::Procedure), 7);
  code.insertLines(8, u"\tDim intCount As Integer ' 件数");
  code.addFromString(u"Private strName As String");

  ASSERT_EQ(module.calls.size(), 7U);
  EXPECT_EQ(module.calls[0].flags, kCall);
  EXPECT_EQ(module.calls[0].arguments, (Arguments{i4(5), i4(1)}));
  EXPECT_EQ(module.calls[1].flags, kGet);
  EXPECT_TRUE(module.calls[1].arguments.empty());
  ASSERT_EQ(module.calls[3].arguments.size(), 2U);
  EXPECT_EQ(module.calls[3].arguments[0], i4(9));
  EXPECT_EQ(module.calls[3].arguments[1].type, VT_I4 | VT_BYREF);
  EXPECT_EQ(module.calls[4].arguments, (Arguments{text(L"名前"), i4(0)}));
  EXPECT_EQ(module.calls[5].flags, DISPATCH_METHOD);
  EXPECT_EQ(module.calls[5].arguments,
            (Arguments{i4(8), text(L"\tDim intCount As Integer ' 件数")}));
  EXPECT_EQ(module.calls[6].arguments, Arguments{text(L"Private strName As String")});

  // A second module of the kind is called by the DISPIDs already learnt.
  win32::DispatchCodeModule again(
      DispatchObject(ComPtr(static_cast<IDispatch*>(&module)), context, u"CodeModule"));
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
  win32::DispatchCodeModule one(
      DispatchObject(ComPtr(static_cast<IDispatch*>(&first)), context, u"CodeModule"));
  win32::DispatchCodeModule two(
      DispatchObject(ComPtr(static_cast<IDispatch*>(&second)), context, u"CodeModule"));
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
      if (V_VT(&params.rgvarg[i]) != (VT_I4 | VT_BYREF)) {
        return DISP_E_TYPEMISMATCH;
      }
      *V_I4REF(&params.rgvarg[i]) = values[i];
    }
    return S_OK;
  });
  pane.on(L"SetSelection", 2);
  FakeDispatch module;
  module.returns(L"CountOfLines", 1, longValue(1));
  pane.returns(L"CodeModule", 3, objectValue(&module));

  win32::DispatchCodePane code(
      DispatchObject(ComPtr(static_cast<IDispatch*>(&pane)), nullptr, u"CodePane"));
  const Selection selection = code.getSelection();
  EXPECT_EQ(selection, (Selection{5, 12, 10, 14}));
  code.setSelection(Selection{3, 4, 3, 9});
  ASSERT_EQ(pane.calls.size(), 2U);
  EXPECT_EQ(pane.calls[1].flags, DISPATCH_METHOD);
  EXPECT_EQ(pane.calls[1].arguments, (Arguments{i4(3), i4(4), i4(3), i4(9)}));
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

  win32::DispatchCommandBars commandBars(
      DispatchObject(ComPtr(static_cast<IDispatch*>(&bars)), nullptr, u"CommandBars"));
  EXPECT_EQ(commandBars.count(), 3);
  EXPECT_EQ(commandBars.item(2)->nameLocal(), u"ベルモラ");
  auto named = commandBars.item(u"ベルモラ");
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

  ASSERT_EQ(bars.calls.size(), 4U);
  // A position goes as a 16-bit integer, a name as a string.
  EXPECT_EQ(bars.calls[1].arguments, Arguments{number(VT_I2, 2)});
  EXPECT_EQ(bars.calls[2].arguments, Arguments{text(L"ベルモラ")});
  EXPECT_EQ(bars.calls[3].arguments, (Arguments{text(L"ベルモラ"), i4(1), omitted(), omitted()}));

  const CallSeen& visible = bar.calls.at(1);
  EXPECT_EQ(visible.flags, DISPATCH_PROPERTYPUT);
  EXPECT_TRUE(visible.namedPut);
  EXPECT_EQ(visible.arguments, Arguments{number(VT_BOOL, VARIANT_TRUE)});
  EXPECT_EQ(bar.calls.back().member, L"Delete");
  EXPECT_EQ(bar.calls.back().flags, DISPATCH_METHOD);
  EXPECT_TRUE(bar.calls.back().arguments.empty());
  EXPECT_EQ(controls.calls.at(1).arguments,
            (Arguments{i4(1), omitted(), omitted(), omitted(), omitted()}));

  ASSERT_EQ(control.calls.size(), 7U);
  EXPECT_TRUE(control.calls[0].namedPut);
  EXPECT_EQ(control.calls[0].arguments, Arguments{text(L"設定")});
  EXPECT_EQ(control.calls[1].flags, kGet);
  EXPECT_EQ(control.calls[2].arguments, Arguments{number(VT_BOOL, VARIANT_TRUE)});
  EXPECT_EQ(control.calls[3].arguments, Arguments{text(L"Dim宣言(Ctrl+Shift+D)")});
  EXPECT_EQ(control.calls[4].member, L"PasteFace");
  EXPECT_EQ(control.calls[4].flags, DISPATCH_METHOD);
  EXPECT_TRUE(control.calls[4].arguments.empty());
  EXPECT_EQ(control.calls[5].member, L"Delete");
  EXPECT_EQ(control.calls[5].arguments, Arguments{omitted()});
}

TEST(DispatchCalls, VbeServesOnlyAnObjectThatKnowsItsMembers) {
  auto context = std::make_shared<DispatchContext>();
  EXPECT_EQ(win32::DispatchVbe::resolve(nullptr, context), nullptr);
  FakeDispatch stranger;
  stranger.on(L"ActiveCodePane", 1);
  EXPECT_EQ(win32::DispatchVbe::resolve(&stranger, context), nullptr);

  FakeDispatch ide;
  VARIANT nothing;
  VariantInit(&nothing);
  V_VT(&nothing) = VT_DISPATCH;
  V_DISPATCH(&nothing) = nullptr;
  ide.returns(L"ActiveCodePane", 0xCE, nothing);
  ide.on(L"ActiveVBProject", 0xC9); // answers Empty
  ide.returns(L"CommandBars", 0x6C, nothing);
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

} // namespace
} // namespace velmora::test
