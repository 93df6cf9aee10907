#pragma once

#include "host/vbe.hpp"

#include <memory>
#include <utility>

namespace velmora::testing {

// An IDE whose every call fails with the error given, of whatever type.
template <typename Failure> class FailingVbe final : public Vbe {
public:
  explicit FailingVbe(Failure failure) : failure_(std::move(failure)) {}

  std::shared_ptr<CodePane> activeCodePane() override { throw failure_; }
  std::shared_ptr<VbProject> activeVBProject() override { throw failure_; }
  std::shared_ptr<CommandBars> commandBars() override { throw failure_; }
  std::shared_ptr<Events> events() override { throw failure_; }

private:
  Failure failure_;
};

} // namespace velmora::testing
