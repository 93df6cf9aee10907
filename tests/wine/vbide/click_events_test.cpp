#include "automation_client.hpp"
#include "host/fake_dispatch.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "sim/vbide/objects/command_bar_control_object.hpp"
#include "sim/vbide/objects/control_click.hpp"
#include "sim/vbide/objects/vbe_object.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <olectl.h>
#include <vector>

// A toolbar button's click, from Events.CommandBarEvents through the connection point to the
// sinks an add-in advises.
namespace velmora::test {
namespace {

using sim::vbide::clickControl;
using sim::vbide::CommandBarControlModel;
using win32::ComPtr;

const IID kClickEvents = {0x0002E198, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// An add-in's event sink: answers the click interface (unless told not to) and records clicks.
class Sink final : public FakeDispatch {
public:
  explicit Sink(bool answersClickEvents = true) {
    if (answersClickEvents) {
      alsoAnswers.push_back(kClickEvents);
    }
    on(L"Click", 1, [this](DISPPARAMS& params, VARIANT*, EXCEPINFO* error) {
      // The control object lives for the call only.
      control = sim::vbide::controlModelOf(V_DISPATCH(&params.rgvarg[2]));
      if (during) {
        during();
      }
      if (FAILED(answer)) {
        return raise(error, L"ボタンの処理に失敗しました", answer);
      }
      *V_BOOLREF(&params.rgvarg[1]) = VARIANT_TRUE; // handled
      return S_OK;
    });
  }

  // Runs inside Invoke, before the handled flag is set.
  std::function<void()> during;
  HRESULT answer = S_OK;
  std::shared_ptr<CommandBarControlModel> control; // the last click's
};

class ClickEvents : public ::testing::Test {
protected:
  void SetUp() override {
    world_->vbe = std::make_shared<sim::MemoryVbe>();
    ide_ = sim::vbide::makeVbeObject(world_);
    auto bar = child(child(ide_.get(), L"CommandBars").get(), L"Add", {L"ベルモラ"});
    button_ = child(child(bar.get(), L"Controls").get(), L"Add", {1L});
    model_ = sim::vbide::controlModelOf(button_.get());
  }

  ComPtr<IConnectionPoint> pointOf(IDispatch* control) {
    auto source =
        child(child(ide_.get(), L"Events").get(), L"CommandBarEvents", {Value::object(control)});
    ComPtr<IConnectionPointContainer> container;
    EXPECT_EQ(source->QueryInterface(IID_IConnectionPointContainer,
                                     reinterpret_cast<void**>(container.put())),
              S_OK);
    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(container->FindConnectionPoint(kClickEvents, point.put()), S_OK);
    return point;
  }

  std::shared_ptr<sim::vbide::VbeWorld> world_ = std::make_shared<sim::vbide::VbeWorld>(
      sim::vbide::VbeWorld{nullptr, std::make_shared<sim::vbide::CommandBarsModel>()});
  ComPtr<IDispatch> ide_;
  ComPtr<IDispatch> button_;
  std::shared_ptr<CommandBarControlModel> model_;
};

TEST_F(ClickEvents, ClickReachesTheAdvisedSinkWithTheControlAndTwoFlagsByReference) {
  Sink sink;
  DWORD cookie = 0;
  // The add-in keeps the connection point (as its event-sink property keeps the source).
  auto point = pointOf(button_.get());
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
  auto outcome = clickControl(world_->bars, model_);
  ASSERT_EQ(sink.calls.size(), 1u);
  const CallSeen& click = sink.calls[0];
  EXPECT_EQ(click.flags, DISPATCH_METHOD);
  ASSERT_EQ(click.arguments.size(), 3u);
  EXPECT_EQ(click.arguments[0].type, VT_DISPATCH);
  EXPECT_EQ(click.arguments[1].type, VT_BOOL | VT_BYREF);
  EXPECT_EQ(click.arguments[2].type, VT_BOOL | VT_BYREF);
  EXPECT_EQ(sink.control, model_);
  EXPECT_TRUE(outcome.handled);
  EXPECT_FALSE(outcome.cancelDefault);
  EXPECT_TRUE(outcome.failures.empty());
}

TEST_F(ClickEvents, UnadviseEndsDeliveryAndReleasesTheSink) {
  Sink sink;
  auto point = pointOf(button_.get());
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
  EXPECT_GT(sink.references(), 1u);
  EXPECT_EQ(point->Unadvise(cookie + 1), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  EXPECT_EQ(sink.references(), 1u);
  clickControl(world_->bars, model_);
  EXPECT_TRUE(sink.calls.empty());
  EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
}

TEST_F(ClickEvents, ReleasingTheSourceDropsItsConnections) {
  Sink sink;
  DWORD cookie = 0;
  ASSERT_EQ(pointOf(button_.get())->Advise(&sink, &cookie), S_OK);
  EXPECT_EQ(sink.references(), 1u);
  EXPECT_EQ(clickControl(world_->bars, model_).sources, 0);
  EXPECT_TRUE(sink.calls.empty());
}

TEST_F(ClickEvents, RefusesWhatIsNotTheButtonsEventInterface) {
  Sink plain(false);
  auto point = pointOf(button_.get());
  DWORD cookie = 7;
  EXPECT_EQ(point->Advise(&plain, &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(cookie, 0u);

  auto source = child(child(ide_.get(), L"Events").get(), L"CommandBarEvents",
                      {Value::object(button_.get())});
  ComPtr<IConnectionPointContainer> container;
  ASSERT_EQ(source->QueryInterface(IID_IConnectionPointContainer,
                                   reinterpret_cast<void**>(container.put())),
            S_OK);
  ComPtr<IConnectionPoint> other;
  EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, other.put()), CONNECT_E_NOCONNECTION);

  // Events.CommandBarEvents takes only the IDE's own controls.
  Sink foreign;
  const Outcome refused = invoke(child(ide_.get(), L"Events").get(), L"CommandBarEvents",
                                 DISPATCH_PROPERTYGET, {Value::object(&foreign)});
  EXPECT_EQ(refused.result, DISP_E_EXCEPTION);
  EXPECT_EQ(refused.scode, static_cast<HRESULT>(0x800A0005));
  EXPECT_EQ(refused.source, L"VBIDE");
}

TEST_F(ClickEvents, AFailingSinkIsReportedAndTheOthersStillHearTheClick) {
  Sink failing;
  failing.answer = E_FAIL;
  Sink second;
  auto point = pointOf(button_.get());
  DWORD cookies[2];
  ASSERT_EQ(point->Advise(&failing, &cookies[0]), S_OK);
  ASSERT_EQ(point->Advise(&second, &cookies[1]), S_OK);
  auto outcome = clickControl(world_->bars, model_);
  ASSERT_EQ(outcome.failures.size(), 1u);
  EXPECT_EQ(outcome.failures[0], u"ボタンの処理に失敗しました");
  EXPECT_EQ(second.calls.size(), 1u);
  point->Unadvise(cookies[0]);
  point->Unadvise(cookies[1]);
}

TEST_F(ClickEvents, AHandlerMayDisconnectAndDeleteTheButtonWhileTheClickRuns) {
  Sink first;
  Sink second;
  auto point = pointOf(button_.get());
  DWORD cookies[2];
  ASSERT_EQ(point->Advise(&first, &cookies[0]), S_OK);
  ASSERT_EQ(point->Advise(&second, &cookies[1]), S_OK);
  first.during = [&] {
    point->Unadvise(cookies[1]);
    point->Unadvise(cookies[0]);
    run(button_.get(), L"Delete");
    point.reset();
  };
  auto outcome = clickControl(world_->bars, model_);
  EXPECT_EQ(first.calls.size(), 1u);
  EXPECT_TRUE(second.calls.empty());
  EXPECT_EQ(first.references(), 1u);
  EXPECT_EQ(second.references(), 1u);
  // A deleted button is clicked no more.
  clickControl(world_->bars, model_);
  EXPECT_EQ(first.calls.size(), 1u);
}

} // namespace
} // namespace velmora::test
