#pragma once

#include "forms/ui_steps.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace velmora::testing {

using Steps = std::vector<std::function<void()>>;

// Starts the modal showing with `show` and lets the user act in it, one step per tick of the
// pacing timer; returns once the showing has returned. Every step must have run by then: a
// dialog that closes early leaves steps over.
inline void whileShown(Steps user, const std::function<void()>& show) {
  UiSteps pacing(std::move(user));
  show();
  EXPECT_TRUE(pacing.finished()) << "the showing ended before the user was done";
}

} // namespace velmora::testing
