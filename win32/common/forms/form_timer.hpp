#pragma once

#include "forms/form_control.hpp"
#include "ports/form_layout.hpp"

#include <cstdint>
#include <memory>

namespace velmora::win32 {

// A timer of the form: a system timer of the form's window under the control's identifier,
// running only while enabled with an interval above zero.
class FormTimer final : public Timer, public FormControl {
public:
  FormTimer(HWND form, UINT_PTR id, std::int32_t interval);
  static std::unique_ptr<FormTimer> create(const ControlSpec& spec, int id, HWND form);

  bool enabled() const override { return enabled_; }
  void setEnabled(bool enabled) override;
  std::int32_t interval() const override { return interval_; }
  void onTimer(EventHandler handler) override { handler_ = std::move(handler); }

  HWND window() const override { return nullptr; }
  void timerFired() override;

private:
  HWND form_;
  UINT_PTR id_;
  std::int32_t interval_;
  bool enabled_ = false;
  EventHandler handler_;
};

} // namespace velmora::win32
