#pragma once

#include "sim/vbide/app/activation_log.hpp"
#include "sim/vbide/app/key_watch.hpp"
#include "sim/vbide/app/other_application.hpp"
#include "sim/vbide/scenario/ide_channel.hpp"

#include <functional>
#include <memory>
#include <string>
#include <windows.h>

namespace velmora::sim::vbide {

class ProjectSession;
class AddinHost;
class IdeWindow;
struct VbeWorld;

// What the steps of a scenario work with. The steps run on the scenario's thread: the IDE's
// objects (project, add-ins, window, world) are touched only inside work handed to `ide`,
// which runs on the IDE's thread; windows are found, and keys typed, from the scenario's thread.
struct ScenarioContext {
  explicit ScenarioContext(IdeChannel channel) : ide(channel) {}

  IdeChannel ide;
  DWORD ideThread = 0;
  ProjectSession* project = nullptr;
  AddinHost* addins = nullptr;
  IdeWindow* window = nullptr;
  std::shared_ptr<VbeWorld> world;
  ActivationLog* activations = nullptr;
  KeyWatch* keys = nullptr;
  const OtherApplication* otherApplication = nullptr;
  // The window the last wait-window found; the window steps act on it.
  HWND current = nullptr;
  // Set by quit: no more steps run.
  bool quitRequested = false;
};

} // namespace velmora::sim::vbide
