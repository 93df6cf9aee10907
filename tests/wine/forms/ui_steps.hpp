#pragma once

#include "forms/handle_cast.hpp"

#include <cstddef>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include <windows.h>

namespace velmora::testing {

// Acts like a user inside whatever modal loop runs: one step per tick of a timer, so a step that
// opens a loop (a click that shows a dialog) has the next steps run inside it. The timer only
// paces the steps. Loops still running long after the last step fail the test and get WM_QUIT.
class UiSteps {
public:
  explicit UiSteps(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {
    pacer_ =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(pacer_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetTimer(pacer_, 1, USER_TIMER_MINIMUM, &UiSteps::tick);
  }
  ~UiSteps() {
    KillTimer(pacer_, 1);
    DestroyWindow(pacer_);
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE) {
    }
  }
  UiSteps(const UiSteps&) = delete;
  UiSteps& operator=(const UiSteps&) = delete;

  bool finished() const { return next_ == steps_.size(); }

private:
  static void CALLBACK tick(HWND pacer, UINT, UINT_PTR, DWORD) {
    auto* self = win32::fromInteger<UiSteps*>(GetWindowLongPtrW(pacer, GWLP_USERDATA));
    if (self != nullptr && self->next_ < self->steps_.size()) {
      const std::function<void()> step = self->steps_[self->next_++];
      step();
    } else if (self != nullptr && ++self->idleTicks_ == kIdleTicksAllowed) {
      ADD_FAILURE() << "the modal loops kept running after the last step";
      PostQuitMessage(0);
    }
  }

  static constexpr int kIdleTicksAllowed = 1000;

  std::vector<std::function<void()>> steps_;
  std::size_t next_ = 0;
  int idleTicks_ = 0;
  HWND pacer_ = nullptr;
};

} // namespace velmora::testing
