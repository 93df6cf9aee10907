#include "sim/vbide/app/addin_host.hpp"
#include "sim/vbide/app/addin_list.hpp"
#include "sim/vbide/app/console_log.hpp"
#include "sim/vbide/app/ide_loop.hpp"
#include "sim/vbide/app/ide_window.hpp"
#include "sim/vbide/app/key_watch.hpp"
#include "sim/vbide/app/other_application.hpp"
#include "sim/vbide/app/program_options.hpp"
#include "sim/vbide/app/project_session.hpp"
#include "sim/vbide/objects/control_click.hpp"
#include "sim/vbide/objects/vbe_object.hpp"
#include "sim/vbide/scenario/scenario_runner.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

#include <commctrl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <shellapi.h>
#include <sstream>

// vbide-sim.exe: a Visual Basic 6 IDE in miniature that loads add-ins as the real one does and
// plays scenarios against them.
namespace velmora::sim::vbide {

namespace {

std::vector<std::wstring> commandLineArguments() {
  int count = 0;
  LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; i < count; ++i) {
    arguments.emplace_back(list[i]);
  }
  LocalFree(list);
  return arguments;
}

std::vector<ScenarioStep> readScenario(const std::wstring& file) {
  std::ifstream in(std::filesystem::path(file), std::ios::binary);
  if (!in) {
    throw std::runtime_error("the scenario " + utf8Of(file) + " cannot be read");
  }
  std::ostringstream text;
  text << in.rdbuf();
  return parseScenario(text.str());
}

// Reports a click's outcome: the IDE shows nothing for a failing event handler, the log does.
ClickOutcome clickAndReport(const std::shared_ptr<CommandBarsModel>& bars,
                            const std::shared_ptr<CommandBarControlModel>& control) {
  logIde("click \"" + toUtf8(control->caption) + "\"");
  ClickOutcome outcome = clickControl(bars, control);
  for (const std::u16string& failure : outcome.failures) {
    logIde("the click's event handler failed: " + toUtf8(failure));
  }
  return outcome;
}

// The IDE's life: its objects, window and add-ins; the scenario, if any, played meanwhile.
int runIde(const ProgramOptions& options) {
  std::vector<ScenarioStep> steps;
  if (!options.scenario.empty()) {
    steps = readScenario(options.scenario);
  }

  auto world = std::make_shared<VbeWorld>();
  world->vbe = std::make_shared<MemoryVbe>();
  world->bars = std::make_shared<CommandBarsModel>();
  world->bars->addBuiltInBars();

  IdeLoop loop;
  ProjectSession project(world->vbe);
  IdeWindow window(loop, world);
  if (!options.project.empty()) {
    project.open(std::filesystem::path(options.project));
    window.setProjectName(project.name());
    logIde("opened " + toUtf8(project.name()));
  }
  window.show();
  OtherApplication otherApplication;
  KeyWatch keys;
  keys.watchThread(GetCurrentThreadId());
  keys.watchThread(otherApplication.threadId());

  AddinHost addins(loop, makeVbeObject(world));
  window.onClick(
      [bars = world->bars](const auto& control) { return clickAndReport(bars, control); });
  window.onQuit([&] {
    addins.shutDown();
    DestroyWindow(window.handle());
  });
  // Windows ending the session: the add-ins are unloaded at once (host shut-down). This IDE
  // stays up afterwards, so that a scenario can look at what they left.
  window.onEndSession([&] { addins.shutDown(); });

  const std::wstring listFile =
      options.addinList.empty() ? defaultAddinListPath() : options.addinList;
  const std::vector<AddinListEntry> list = readAddinList(listFile);
  logIde("add-in list " + utf8Of(listFile) + ": " + std::to_string(list.size()) + " entries");
  addins.startUp(list);
  window.refresh();

  std::unique_ptr<ScenarioRunner> runner;
  if (!options.scenario.empty()) {
    ScenarioContext context(IdeChannel(window.handle(), options.timeout));
    context.ideThread = GetCurrentThreadId();
    context.project = &project;
    context.addins = &addins;
    context.window = &window;
    context.world = world;
    context.activations = &window.activations();
    context.keys = &keys;
    context.otherApplication = &otherApplication;
    runner = std::make_unique<ScenarioRunner>(utf8Of(options.scenario), std::move(steps),
                                              std::move(context));
    runner->start();
  }
  loop.run([&window] { window.refresh(); });
  // The loop can end without the window's quit (a WM_QUIT from elsewhere): the add-ins are
  // still disconnected as at a shut-down.
  if (addins.connectedCount() > 0) {
    addins.shutDown();
  }
  logIde("the IDE ends");
  if (!runner) {
    return 0;
  }
  runner->finish();
  return runner->result();
}

} // namespace

} // namespace velmora::sim::vbide

int main() {
  using namespace velmora::sim::vbide;
  std::string error;
  const auto options = ProgramOptions::parse(commandLineArguments(), error);
  if (!options) {
    logLine("vbide-sim: " + error);
    logLine(ProgramOptions::usage());
    return 2;
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    logIde("COM cannot be initialised");
    return 2;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  int result = 2;
  try {
    result = runIde(*options);
  } catch (const velmora::Error& failure) {
    logIde(velmora::toUtf8(failure.description()));
  } catch (const std::exception& failure) {
    logIde(failure.what());
  }
  CoUninitialize();
  return result;
}
