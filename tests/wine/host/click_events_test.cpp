#include "common/error_info.hpp"
#include "host/click_sink.hpp"
#include "host/dispatch_command_bar_control.hpp"
#include "host/dispatch_command_bar_events.hpp"
#include "host/dispatch_events.hpp"
#include "host/fake_dispatch.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <olectl.h>
#include <stdexcept>

// Toolbar clicks: our sink on the host's event source, from advising to a click reaching the
// handler, and back out.
namespace velmora::test {
namespace {

using win32::DispatchContext;
using win32::kCommandBarControlEventsIid;

class ClickEvents : public ::testing::Test {
protected:
  void SetUp() override {
    context_->holdLibrary = [this] {
      ++holds_;
      return std::shared_ptr<const void>(this, [this](const void*) { --holds_; });
    };
    events_.on(L"CommandBarEvents", 0xCD, [this](DISPPARAMS& params, VARIANT* result, EXCEPINFO*) {
      if (params.cArgs != 1 || V_VT(&params.rgvarg[0]) != VT_DISPATCH) {
        return DISP_E_TYPEMISMATCH;
      }
      *result = objectValue(&source_);
      return S_OK;
    });
    control_ = std::make_unique<win32::DispatchCommandBarControl>(
        hosted(button_, u"CommandBarControl", context_));
  }

  std::shared_ptr<CommandBarEvents> eventsOfButton() {
    win32::DispatchEvents events(hosted(events_, u"Events", context_));
    return events.commandBarEvents(*control_);
  }

  HRESULT click(EXCEPINFO* error = nullptr) {
    handled_ = VARIANT_FALSE;
    cancelDefault_ = VARIANT_TRUE;
    return source_.fire(&button_, handled_, cancelDefault_, error);
  }

  std::shared_ptr<DispatchContext> context_ = std::make_shared<DispatchContext>();
  int holds_ = 0;
  FakeDispatch button_;
  FakeDispatch events_;
  FakeEventSource source_{kCommandBarControlEventsIid};
  std::unique_ptr<win32::DispatchCommandBarControl> control_;
  VARIANT_BOOL handled_ = VARIANT_FALSE;
  VARIANT_BOOL cancelDefault_ = VARIANT_TRUE;
};

TEST_F(ClickEvents, AClickReachesTheHandlerUntilUnadvised) {
  auto events = eventsOfButton();
  ASSERT_EQ(events_.calls.size(), 1U);
  // The event object is a property read with the control as its argument.
  EXPECT_EQ(events_.calls[0].flags, DISPATCH_PROPERTYGET);
  EXPECT_EQ(events_.calls[0].arguments.at(0).object, &button_);

  int clicks = 0;
  events->advise([&] { ++clicks; });
  ASSERT_EQ(source_.pointsAsked.size(), 1U);
  EXPECT_TRUE(IsEqualIID(source_.pointsAsked[0], kCommandBarControlEventsIid));
  ASSERT_EQ(source_.sinkCount(), 1U);
  // The sink answers as the event interface, IDispatch and IUnknown with one identity.
  IUnknown* identity = nullptr;
  ASSERT_EQ(source_.sink()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)),
            S_OK);
  IDispatch* dispatch = nullptr;
  ASSERT_EQ(source_.sink()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)),
            S_OK);
  EXPECT_EQ(static_cast<IUnknown*>(dispatch), identity);
  dispatch->Release();
  identity->Release();

  EXPECT_EQ(click(), S_OK);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(handled_, VARIANT_FALSE);
  EXPECT_EQ(cancelDefault_, VARIANT_TRUE);

  // A later advise replaces the handler on the same connection.
  int others = 0;
  events->advise([&] { ++others; });
  EXPECT_EQ(source_.sinkCount(), 1U);
  click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(others, 1);

  // Unadvised, a sink the host kept runs nothing.
  source_.sink()->AddRef();
  IUnknown* kept = source_.sink();
  events->unadvise();
  EXPECT_EQ(source_.unadvised, std::vector<DWORD>{100});
  EXPECT_EQ(source_.sinkCount(), 0U);
  events->unadvise();
  EXPECT_EQ(source_.unadvised.size(), 1U);
  VARIANT_BOOL handled = VARIANT_FALSE;
  VARIANT_BOOL cancel = VARIANT_FALSE;
  EXPECT_EQ(FakeEventSource::click(kept, &button_, handled, cancel), S_OK);
  EXPECT_EQ(others, 1);

  // The sink keeps the library while the host holds it.
  EXPECT_EQ(holds_, 1);
  kept->Release();
  EXPECT_EQ(holds_, 0);
}

TEST_F(ClickEvents, AnEventObjectThatGoesWhileAdvisedLetsGoOfItsSink) {
  auto events = eventsOfButton();
  events->advise([] {});
  ASSERT_EQ(source_.sinkCount(), 1U);
  events.reset();
  EXPECT_EQ(source_.sinkCount(), 0U);
  EXPECT_EQ(holds_, 0);
}

TEST_F(ClickEvents, AFailingHandlerFailsTheEventCallWithItsDescription) {
  auto events = eventsOfButton();
  events->advise([] { throw HostError(u"設定画面を表示できません。"); });
  EXCEPINFO error{};
  EXPECT_EQ(click(&error), DISP_E_EXCEPTION);
  ASSERT_NE(error.bstrDescription, nullptr);
  EXPECT_STREQ(error.bstrDescription, L"設定画面を表示できません。");
  EXPECT_TRUE(FAILED(error.scode));
  SysFreeString(error.bstrDescription);
  SysFreeString(error.bstrSource);
  EXPECT_EQ(handled_, VARIANT_FALSE);
  EXPECT_EQ(cancelDefault_, VARIANT_TRUE);

  // Without EXCEPINFO the description is left as error information.
  EXPECT_TRUE(FAILED(click(nullptr)));
  EXPECT_EQ(testing::takeErrorDescription(), L"設定画面を表示できません。");

  events->advise([] { throw std::runtime_error("broken"); });
  error = EXCEPINFO{};
  EXPECT_EQ(click(&error), DISP_E_EXCEPTION);
  EXPECT_STREQ(error.bstrDescription, L"broken");
  SysFreeString(error.bstrDescription);
  SysFreeString(error.bstrSource);
}

TEST_F(ClickEvents, ARefusedAdviseIsAHostErrorWithTheHostsDescription) {
  auto events = eventsOfButton();
  source_.refuseAdvise(CONNECT_E_ADVISELIMIT, L"これ以上接続できません。");
  try {
    events->advise([] {});
    FAIL() << "advise succeeded";
  } catch (const win32::ComError& error) {
    EXPECT_EQ(error.description(), u"これ以上接続できません。");
    EXPECT_EQ(error.result(), CONNECT_E_ADVISELIMIT);
  }
  EXPECT_EQ(holds_, 0);
  // Nothing was advised, so nothing is unadvised; a second try connects.
  events->unadvise();
  EXPECT_TRUE(source_.unadvised.empty());
  events->advise([] {});
  EXPECT_EQ(source_.sinkCount(), 1U);

  // An event object without connection points.
  FakeDispatch plain;
  events_.on(L"CommandBarEvents", 0xCD, [&](DISPPARAMS&, VARIANT* result, EXCEPINFO*) {
    *result = objectValue(&plain);
    return S_OK;
  });
  auto mute = eventsOfButton();
  EXPECT_THROW(mute->advise([] {}), HostError);
}

} // namespace
} // namespace velmora::test
