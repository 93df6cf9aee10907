#pragma once

#include "host/dispatch_object.hpp"
#include "host/vb_project.hpp"

namespace velmora::win32 {

// The IDE's VBProject, late-bound.
class DispatchVbProject final : public VbProject {
public:
  explicit DispatchVbProject(DispatchObject object) : object_(std::move(object)) {}

  std::shared_ptr<VbComponents> vbComponents() override;

private:
  DispatchObject object_;
};

} // namespace velmora::win32
