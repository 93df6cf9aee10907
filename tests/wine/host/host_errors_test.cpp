#include "host/dispatch_code_module.hpp"
#include "host/dispatch_vb_components.hpp"
#include "host/fake_dispatch.hpp"

#include <gtest/gtest.h>
#include <string>

// A refused host call becomes a HostError carrying the host's own description.
namespace velmora::test {
namespace {

using win32::ComError;
using win32::ComPtr;
using win32::DispatchObject;

win32::DispatchCodeModule moduleOf(FakeDispatch& fake) {
  return win32::DispatchCodeModule(
      DispatchObject(ComPtr(static_cast<IDispatch*>(&fake)), nullptr, u"CodeModule"));
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
  win32::DispatchVbComponents list(
      DispatchObject(ComPtr(static_cast<IDispatch*>(&components)), nullptr, u"VBComponents"));
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
