#pragma once

#include "host/vbe.hpp"
#include "sim/commandbars/host_calls.hpp"

#include <memory>

namespace velmora::sim {

// Passes every call to another VBE object, recording it (and failing it when planted) first.
class RecordingVbe final : public Vbe {
public:
  RecordingVbe(Vbe& inner, HostCalls& calls) : inner_(inner), calls_(calls) {}

  std::shared_ptr<CodePane> activeCodePane() override {
    calls_.enter("VBE.ActiveCodePane");
    return inner_.activeCodePane();
  }
  std::shared_ptr<VbProject> activeVBProject() override {
    calls_.enter("VBE.ActiveVBProject");
    return inner_.activeVBProject();
  }
  std::shared_ptr<CommandBars> commandBars() override {
    calls_.enter("VBE.CommandBars");
    return inner_.commandBars();
  }
  std::shared_ptr<Events> events() override {
    calls_.enter("VBE.Events");
    return inner_.events();
  }

private:
  Vbe& inner_;
  HostCalls& calls_;
};

} // namespace velmora::sim
