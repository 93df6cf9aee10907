#pragma once

#include "addin/addin_session.hpp"

#include <map>

namespace velmora::test {

// Sink properties that only note what a session put into them (not holding it). Never deleted
// through its base.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
class RecordingSlots final : public win32::EventSinkSlots {
public:
  void setEventSink(std::size_t button, IDispatch* events) override { held[button] = events; }
  std::map<std::size_t, IDispatch*> held;
};

} // namespace velmora::test
