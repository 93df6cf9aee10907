#pragma once

#include "com/com_ptr.hpp"
#include "host/click_sink.hpp"
#include "host/command_bar_events.hpp"
#include "host/dispatch_object.hpp"

#include <ocidl.h>

namespace velmora::win32 {

// The IDE's CommandBarEvents object of one button: advising connects a sink of ours to its
// connection point for _dispCommandBarControlEvents; unadvising disconnects it. An object that
// goes while advised disconnects its sink first, so that the host's later clicks reach nothing
// that is gone.
class DispatchCommandBarEvents final : public CommandBarEvents {
public:
  explicit DispatchCommandBarEvents(DispatchObject object) : object_(std::move(object)) {}
  ~DispatchCommandBarEvents() override;
  DispatchCommandBarEvents(const DispatchCommandBarEvents&) = delete;
  DispatchCommandBarEvents& operator=(const DispatchCommandBarEvents&) = delete;

  void advise(ClickHandler onClick) override;
  void unadvise() override;

  // The host's event object.
  IDispatch* dispatch() const noexcept { return object_.dispatch(); }
  bool advised() const noexcept { return static_cast<bool>(point_); }

private:
  DispatchObject object_;
  ComPtr<ClickSink> sink_;
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

} // namespace velmora::win32
