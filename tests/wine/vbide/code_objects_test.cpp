#include "automation_client.hpp"
#include "sim/ide/host_messages.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "sim/vbide/objects/vbe_object.hpp"

#include <gtest/gtest.h>
#include <memory>

// The code objects of the simulated IDE, called by name as an add-in calls them.
namespace velmora::test {
namespace {

using sim::MemoryVbe;
using win32::ComPtr;

class CodeObjects : public ::testing::Test {
protected:
  void SetUp() override {
    vbe_->project().components().add(u"basMain", ComponentType::StdModule,
                                     {u"Option Explicit", u"", u"Sub Main()", u"    strName = 1",
                                      u"End Sub", u"", u"Property Get Total() As Long",
                                      u"End Property"});
    vbe_->project().components().add(u"clsItem", ComponentType::ClassModule, {u"Option Explicit"});
    ide_ = sim::vbide::makeVbeObject(vbe_);
  }

  ComPtr<IDispatch> component(Value index) {
    return child(child(child(ide_.get(), L"ActiveVBProject").get(), L"VBComponents").get(), L"Item",
                 {index});
  }
  ComPtr<IDispatch> mainModule() { return child(component(L"basMain").get(), L"CodeModule"); }

  std::shared_ptr<MemoryVbe> vbe_ = std::make_shared<MemoryVbe>();
  ComPtr<IDispatch> ide_;
};

TEST_F(CodeObjects, ComponentsByPositionAndByNameInAnyCase) {
  auto components = child(child(ide_.get(), L"ActiveVBProject").get(), L"vbcomponents");
  EXPECT_EQ(get(components.get(), L"Count").number(), 2);
  EXPECT_EQ(get(component(2L).get(), L"Name").text(), L"clsItem");
  EXPECT_EQ(get(component(2L).get(), L"Type").number(), 2);
  EXPECT_EQ(get(component(L"BASMAIN").get(), L"Name").text(), L"basMain");
  EXPECT_EQ(get(component(L"basMain").get(), L"Type").number(), 1);

  // A position past the end and an unknown name are the IDE's "subscript out of range".
  for (const Value& index : {Value(3L), Value(0L), Value(L"basNone")}) {
    const Outcome outcome = invoke(components.get(), L"Item", DISPATCH_PROPERTYGET, {index});
    EXPECT_EQ(outcome.result, DISP_E_EXCEPTION);
    EXPECT_EQ(outcome.scode, static_cast<HRESULT>(0x800A0009));
    EXPECT_EQ(outcome.source, L"VBIDE");
    EXPECT_EQ(outcome.description, reinterpret_cast<const wchar_t*>(sim::kSubscriptOutOfRange));
  }
}

TEST_F(CodeObjects, EnumeratesComponentsInProjectOrder) {
  auto components = child(child(ide_.get(), L"ActiveVBProject").get(), L"VBComponents");
  Value enumerator = get(components.get(), L"_NewEnum");
  ASSERT_EQ(enumerator.type(), VT_UNKNOWN);
  ComPtr<IEnumVARIANT> items;
  ASSERT_EQ(V_UNKNOWN(&enumerator.get())
                ->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(items.put())),
            S_OK);
  VARIANT got[3];
  ULONG fetched = 0;
  EXPECT_EQ(items->Next(3, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(get(V_DISPATCH(&got[0]), L"Name").text(), L"basMain");
  EXPECT_EQ(get(V_DISPATCH(&got[1]), L"Name").text(), L"clsItem");
  VariantClear(&got[0]);
  VariantClear(&got[1]);
}

TEST_F(CodeObjects, ActiveCodePaneIsNothingUntilAWindowHasTheFocus) {
  Value none = get(ide_.get(), L"ActiveCodePane");
  EXPECT_EQ(none.type(), VT_DISPATCH);
  EXPECT_EQ(none.dispatch(), nullptr);

  vbe_->showPane(u"basMain")->setCaret(4, 6);
  auto pane = child(ide_.get(), L"ActiveCodePane");
  EXPECT_EQ(get(child(pane.get(), L"CodeModule").get(), L"Lines", {4L, 1L}).text(),
            L"    strName = 1");
}

TEST_F(CodeObjects, SelectionThroughOutParametersAndBack) {
  vbe_->showPane(u"basMain")->setSelection({4, 5, 4, 12});
  auto pane = child(ide_.get(), L"ActiveCodePane");

  // VB passes its Long variables as VT_I4 | VT_BYREF; a Variant by reference is filled too.
  LONG startLine = 0;
  LONG startColumn = 0;
  LONG endLine = 0;
  VARIANT endColumn;
  VariantInit(&endColumn);
  VARIANT refs[4];
  LONG* longs[3] = {&startLine, &startColumn, &endLine};
  for (int i = 0; i < 3; ++i) {
    V_VT(&refs[i]) = VT_I4 | VT_BYREF;
    V_I4REF(&refs[i]) = longs[i];
  }
  V_VT(&refs[3]) = VT_VARIANT | VT_BYREF;
  V_VARIANTREF(&refs[3]) = &endColumn;
  const Outcome got =
      invoke(pane.get(), L"GetSelection", DISPATCH_METHOD,
             {Value::raw(refs[0]), Value::raw(refs[1]), Value::raw(refs[2]), Value::raw(refs[3])});
  ASSERT_EQ(got.result, S_OK);
  EXPECT_EQ(startLine, 4);
  EXPECT_EQ(startColumn, 5);
  EXPECT_EQ(endLine, 4);
  EXPECT_EQ(V_VT(&endColumn), VT_I4);
  EXPECT_EQ(V_I4(&endColumn), 12);

  // A value where an out parameter belongs is refused, naming the argument (Invoke's order).
  const Outcome byValue =
      invoke(pane.get(), L"GetSelection", DISPATCH_METHOD,
             {Value::raw(refs[0]), Value(1L), Value::raw(refs[2]), Value::raw(refs[3])});
  EXPECT_EQ(byValue.result, DISP_E_TYPEMISMATCH);
  EXPECT_EQ(byValue.argumentError, 2u);

  run(pane.get(), L"SetSelection", {Value(3L), Value(5L), Value(3L), Value(L"5")});
  EXPECT_EQ(vbe_->windows().active()->getSelection(), (Selection{3, 5, 3, 5}));
  EXPECT_EQ(invoke(pane.get(), L"SetSelection", DISPATCH_METHOD, {1L, 1L, 1L}).result,
            DISP_E_BADPARAMCOUNT);
}

TEST_F(CodeObjects, ProcedureQueriesWithTheKindAsOutParameter) {
  auto module = mainModule();
  LONG kind = -1;
  VARIANT ref;
  V_VT(&ref) = VT_I4 | VT_BYREF;
  V_I4REF(&ref) = &kind;
  EXPECT_EQ(
      invoke(module.get(), L"ProcOfLine", DISPATCH_PROPERTYGET, {7L, Value::raw(ref)}).value.text(),
      L"Total");
  EXPECT_EQ(kind, 3);
  EXPECT_EQ(
      invoke(module.get(), L"ProcOfLine", DISPATCH_PROPERTYGET, {1L, Value::raw(ref)}).value.text(),
      L"");

  EXPECT_EQ(get(module.get(), L"ProcBodyLine", {L"Main", 0L}).number(), 3);
  EXPECT_EQ(get(module.get(), L"ProcStartLine", {L"Total", 3L}).number(), 6);
  EXPECT_EQ(get(module.get(), L"CountOfDeclarationLines").number(), 1);

  const Outcome wrongKind =
      invoke(module.get(), L"ProcBodyLine", DISPATCH_PROPERTYGET, {L"Total", 0L});
  EXPECT_EQ(wrongKind.result, DISP_E_EXCEPTION);
  EXPECT_EQ(wrongKind.scode, static_cast<HRESULT>(0x800A0023));
  EXPECT_EQ(wrongKind.description, reinterpret_cast<const wchar_t*>(sim::kProcedureNotDefined));
  const Outcome noKind = invoke(module.get(), L"ProcBodyLine", DISPATCH_PROPERTYGET, {L"Main", 9L});
  EXPECT_EQ(noKind.scode, static_cast<HRESULT>(0x800A0005));
}

TEST_F(CodeObjects, WritesReachTheInMemoryModule) {
  auto module = mainModule();
  run(module.get(), L"InsertLines", {4L, L"\tDim strName As String"});
  run(module.get(), L"AddFromString", {L"Private mstrLast As String"});
  const auto& lines = vbe_->project().components().module(u"basMain")->lineTexts();
  EXPECT_EQ(lines[1], u"Private mstrLast As String");
  EXPECT_EQ(lines[4], u"\tDim strName As String");
  EXPECT_EQ(get(module.get(), L"CountOfLines").number(), 10);

  const Outcome outside = invoke(module.get(), L"Lines", DISPATCH_PROPERTYGET, {0L, 1L});
  EXPECT_EQ(outside.result, DISP_E_EXCEPTION);
  EXPECT_EQ(outside.scode, static_cast<HRESULT>(0x800A0009));
  EXPECT_EQ(outside.source, L"VBIDE");
}

TEST_F(CodeObjects, CallsTheObjectsDoNotTake) {
  auto module = mainModule();
  EXPECT_EQ(invoke(module.get(), L"NoSuchMember", DISPATCH_METHOD).result, DISP_E_UNKNOWNNAME);
  EXPECT_EQ(invoke(module.get(), L"CountOfLines", DISPATCH_PROPERTYPUT, {1L}).result,
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(invoke(module.get(), L"Lines", DISPATCH_PROPERTYGET, {1L}).result,
            DISP_E_BADPARAMCOUNT);
  const Outcome notANumber = invoke(module.get(), L"Lines", DISPATCH_PROPERTYGET, {L"x", 1L});
  EXPECT_EQ(notANumber.result, DISP_E_TYPEMISMATCH);
  EXPECT_EQ(notANumber.argumentError, 1u);

  // The objects answer their documented interface identifiers with the same dispatch interface.
  const IID vbeIid = {0x0002E100, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  ComPtr<IDispatch> asVbe;
  EXPECT_EQ(ide_->QueryInterface(vbeIid, reinterpret_cast<void**>(asVbe.put())), S_OK);
  EXPECT_EQ(get(asVbe.get(), L"Version").text(), L"6.00");
}

} // namespace
} // namespace velmora::test
