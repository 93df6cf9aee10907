#pragma once

#include "host/code_pane.hpp"
#include "host/dispatch_object.hpp"

namespace velmora::win32 {

// The IDE's CodePane, late-bound.
class DispatchCodePane final : public CodePane {
public:
  explicit DispatchCodePane(DispatchObject object) : object_(std::move(object)) {}

  Selection getSelection() override;
  void setSelection(const Selection& selection) override;
  std::shared_ptr<CodeModule> codeModule() override;

private:
  DispatchObject object_;
};

} // namespace velmora::win32
