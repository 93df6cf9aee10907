#include "host/dispatch_command_bar_events.hpp"

#include "host/host_failure.hpp"

#include <olectl.h>

namespace velmora::win32 {

DispatchCommandBarEvents::~DispatchCommandBarEvents() {
  try {
    unadvise();
  } catch (...) {
    // The host refused to let go of the sink; the sink itself runs nothing any more.
  }
}

void DispatchCommandBarEvents::advise(ClickHandler onClick) {
  if (point_) {
    sink_->setHandler(std::move(onClick));
    return;
  }
  const auto& hold = object_.context()->holdLibrary;
  ComPtr<ClickSink> sink = ClickSink::make(std::move(onClick), hold ? hold() : nullptr);

  ComPtr<IConnectionPointContainer> container;
  clearErrorInfo();
  HRESULT status = object_.dispatch()->QueryInterface(IID_IConnectionPointContainer,
                                                      reinterpret_cast<void**>(container.put()));
  if (FAILED(status) || !container) {
    throw hostFailure(FAILED(status) ? status : E_NOINTERFACE);
  }
  ComPtr<IConnectionPoint> point;
  clearErrorInfo();
  status = container->FindConnectionPoint(kCommandBarControlEventsIid, point.put());
  if (FAILED(status) || !point) {
    throw hostFailure(FAILED(status) ? status : CONNECT_E_NOCONNECTION);
  }
  DWORD cookie = 0;
  clearErrorInfo();
  status = point->Advise(static_cast<IDispatch*>(sink.get()), &cookie);
  if (FAILED(status)) {
    sink->detach();
    throw hostFailure(status);
  }
  sink_ = std::move(sink);
  point_ = std::move(point);
  cookie_ = cookie;
}

void DispatchCommandBarEvents::unadvise() {
  if (!point_) {
    return;
  }
  const ComPtr<IConnectionPoint> point = std::move(point_);
  const DWORD cookie = std::exchange(cookie_, 0);
  sink_->detach();
  sink_.reset();
  clearErrorInfo();
  const HRESULT status = point->Unadvise(cookie);
  if (FAILED(status)) {
    throw hostFailure(status);
  }
}

} // namespace velmora::win32
