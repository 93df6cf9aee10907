#include "forms/form_timer.hpp"

namespace velmora::win32 {

FormTimer::FormTimer(HWND form, UINT_PTR id, std::int32_t interval)
    : form_(form), id_(id), interval_(interval) {}

std::unique_ptr<FormTimer> FormTimer::create(const ControlSpec& spec, int id, HWND form) {
  auto timer = std::make_unique<FormTimer>(form, static_cast<UINT_PTR>(id), spec.interval);
  timer->setEnabled(spec.enabled);
  return timer;
}

void FormTimer::setEnabled(bool enabled) {
  // Enabling a running timer neither restarts nor doubles it.
  if (enabled == enabled_) {
    return;
  }
  enabled_ = enabled;
  if (enabled_ && interval_ > 0) {
    SetTimer(form_, id_, static_cast<UINT>(interval_), nullptr);
  } else {
    KillTimer(form_, id_);
  }
}

void FormTimer::timerFired() {
  // A tick already queued when the timer was stopped is dropped.
  if (enabled_ && interval_ > 0) {
    raise(handler_);
  }
}

} // namespace velmora::win32
