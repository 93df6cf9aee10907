#include "com/com_boundary.hpp"
#include "common/error_info.hpp"
#include "host/click_sink.hpp"
#include "host/dispatch_command_bar_control.hpp"
#include "host/dispatch_command_bar_events.hpp"
#include "host/dispatch_events.hpp"
#include "host/fake_dispatch.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>
#include <olectl.h>
#include <utility>

// Toolbar clicks on a host that keeps a sink longer than asked or refuses one; the ordinary path
// runs in the simulated IDE (VelmoraDll).
namespace velmora::test {
namespace {

// The event source of one button with one connection point: it keeps the one sink advised to
// it; an advise may be refused.
class EventSource : public FakeDispatch, public IConnectionPointContainer, public IConnectionPoint {
public:
  HRESULT refusal = S_OK; // the next Advise fails with it, leaving a description
  IUnknown* sink = nullptr;
  int unadvised = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
      *out = static_cast<IConnectionPointContainer*>(this);
    } else if (IsEqualIID(iid, IID_IConnectionPoint)) {
      *out = static_cast<IConnectionPoint*>(this);
    } else {
      return FakeDispatch::QueryInterface(iid, out);
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return FakeDispatch::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return FakeDispatch::Release(); }
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override {
    *out = IsEqualIID(iid, win32::kCommandBarControlEventsIid) ? this : nullptr;
    return *out != nullptr ? (AddRef(), S_OK) : CONNECT_E_NOCONNECTION;
  }
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* added, DWORD* cookie) override {
    if (FAILED(refusal)) {
      win32::setErrorInfo(IID_NULL, u"これ以上接続できません。");
      return std::exchange(refusal, S_OK);
    }
    *cookie = 100;
    return added->QueryInterface(win32::kCommandBarControlEventsIid,
                                 reinterpret_cast<void**>(&sink));
  }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
    ++unadvised;
    if (cookie != 100 || sink == nullptr) {
      return CONNECT_E_NOCONNECTION;
    }
    std::exchange(sink, nullptr)->Release();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }
};

class ClickEvents : public ::testing::Test {
protected:
  void SetUp() override {
    context_->holdLibrary = [this] {
      ++holds_;
      return std::shared_ptr<const void>(this, [this](const void*) { --holds_; });
    };
    events_.returns(L"CommandBarEvents", 0xCD, objectValue(&source_));
    win32::DispatchCommandBarControl control(hosted(button_, u"CommandBarControl", context_));
    events = win32::DispatchEvents(hosted(events_, u"Events", context_)).commandBarEvents(control);
  }

  // Click(control, handled, CancelDefault) as the host calls it, the flags by reference.
  HRESULT click(IUnknown* sink, EXCEPINFO* error = nullptr) {
    VARIANT_BOOL handled = VARIANT_FALSE;
    VARIANT_BOOL cancelDefault = VARIANT_TRUE;
    VARIANT arguments[3];
    V_VT(&arguments[0]) = VT_BOOL | VT_BYREF;
    V_BOOLREF(&arguments[0]) = &cancelDefault;
    V_VT(&arguments[1]) = VT_BOOL | VT_BYREF;
    V_BOOLREF(&arguments[1]) = &handled;
    V_VT(&arguments[2]) = VT_DISPATCH;
    V_DISPATCH(&arguments[2]) = &button_;
    DISPPARAMS params = {arguments, nullptr, 3, 0};
    const HRESULT status = win32::ComPtr<IUnknown>(sink)
                               .as<IDispatch>(IID_IDispatch)
                               ->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                        nullptr, error, nullptr);
    EXPECT_EQ(handled, VARIANT_FALSE);
    EXPECT_EQ(cancelDefault, VARIANT_TRUE);
    return status;
  }

  std::shared_ptr<win32::DispatchContext> context_ = std::make_shared<win32::DispatchContext>();
  int holds_ = 0;
  FakeDispatch button_;
  FakeDispatch events_;
  EventSource source_;
  std::shared_ptr<CommandBarEvents> events;
};

TEST_F(ClickEvents, ASinkTheHostKeepsRunsNothingOnceUnadvisedAndHoldsTheLibrary) {
  int others = 0;
  events->advise([&] { ++others; });
  IUnknown* kept = source_.sink;
  ASSERT_NE(kept, nullptr);
  kept->AddRef();
  EXPECT_EQ(click(kept), S_OK);
  EXPECT_EQ(others, 1);
  events->unadvise();
  events->unadvise();
  EXPECT_EQ(source_.unadvised, 1);
  EXPECT_EQ(click(kept), S_OK);
  EXPECT_EQ(others, 1);
  EXPECT_EQ(holds_, 1);
  kept->Release();
  EXPECT_EQ(holds_, 0);
}

TEST_F(ClickEvents, FailuresReachTheOtherSideWithTheirDescription) {
  source_.refusal = CONNECT_E_ADVISELIMIT;
  try {
    events->advise([] {});
    FAIL() << "advise succeeded";
  } catch (const win32::ComError& error) {
    EXPECT_EQ(error.description(), u"これ以上接続できません。");
    EXPECT_EQ(error.result(), CONNECT_E_ADVISELIMIT);
  }
  EXPECT_EQ(holds_, 0);
  events->unadvise();
  EXPECT_EQ(source_.unadvised, 0) << "nothing was advised";

  events->advise([] { throw HostError(u"設定画面を表示できません。"); });
  EXCEPINFO error{};
  EXPECT_EQ(click(source_.sink, &error), DISP_E_EXCEPTION);
  EXPECT_STREQ(error.bstrDescription, L"設定画面を表示できません。");
  EXPECT_TRUE(FAILED(error.scode));
  SysFreeString(error.bstrDescription);
  SysFreeString(error.bstrSource);
  // Without EXCEPINFO the description is left as error information.
  EXPECT_TRUE(FAILED(click(source_.sink)));
  EXPECT_EQ(testing::takeErrorDescription(), L"設定画面を表示できません。");
}

} // namespace
} // namespace velmora::test
