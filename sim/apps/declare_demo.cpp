// Runs declarations on the example project in the in-memory IDE and prints each module that
// changed, before and after.
//
//   velmora-declare [project.vbp [settings-directory]]

#include "engine/declare_command.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"
#include "settings/settings_file.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "sim/ide/project_loader.hpp"
#include "sim/system/sim_file_store.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace velmora;

struct Request {
  std::u16string module;
  std::u16string name; // the caret goes inside its first use
  std::u16string kind;
};

class NoWaitPump final : public EventPump {
public:
  void doEvents() override {}
  void sleep(std::uint32_t) override {}
};

void print(const std::string& heading, const std::vector<std::u16string>& lines) {
  std::cout << "---- " << heading << "\n";
  int number = 1;
  for (const auto& line : lines) {
    std::printf("%4d  %s\n", number++, toUtf8(line).c_str());
  }
}

// The first line that uses `name` outside a declaration: its line and the column inside it.
bool findUse(sim::MemoryCodeModule& module, const std::u16string& name, std::int32_t& line,
             std::int32_t& column) {
  const auto& lines = module.lineTexts();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto at = lines[i].find(name);
    if (at != std::u16string::npos && lines[i].find(u"Dim ") == std::u16string::npos) {
      line = static_cast<std::int32_t>(i + 1);
      column = static_cast<std::int32_t>(at + 2);
      return true;
    }
  }
  return false;
}

int run(const std::filesystem::path& vbp, const std::filesystem::path& settingsDirectory) {
  const auto codec = std::make_shared<sim::IconvAnsiCodec>();
  auto loaded = sim::loadVbp(vbp, {codec, u"932"});
  sim::MemoryVbe vbe(loaded.project);

  sim::SimFileStore files;
  SettingsFile settings(fromUtf8(settingsDirectory.string()), *codec, files);
  Prefixes prefixes;
  Options options;
  LoadPrefixTable(settings, prefixes);
  LoadOptions(settings, options);
  options.intTenmetsu = 0; // nobody watches the demo's code window
  options.intComment = 0;

  EngineState state;
  BuildWordDelimiters(state.Delimiters);
  sim::ScriptedToolkit forms;
  NoWaitPump pump;
  DeclareContext context{&vbe, prefixes, options, state, forms, pump};

  const std::vector<Request> requests = {
      {u"basMain", u"strName", u"Dim"},      {u"basMain", u"lngTotal", u"Dim"},
      {u"basMain", u"intCount", u"Private"}, {u"frmOrder", u"curTotal", u"Bas"},
      {u"clsCustomer", u"lngGold", u"Dim"}, // in a Property Get
      {u"ctlPrice", u"strShown", u"Dim"},   // in a user control's Property Let
  };
  std::vector<std::u16string> touched;
  std::vector<std::vector<std::u16string>> before;
  for (const auto& component : loaded.components) {
    before.push_back(component.component->module()->lineTexts());
  }
  for (const auto& request : requests) {
    auto pane = vbe.showPane(request.module);
    auto module = std::dynamic_pointer_cast<sim::MemoryCodeModule>(pane->codeModule());
    std::int32_t line = 0;
    std::int32_t column = 0;
    if (!findUse(*module, request.name, line, column)) {
      std::cerr << "no use of " << toUtf8(request.name) << " in " << toUtf8(request.module) << "\n";
      return 1;
    }
    // A project with several standard modules asks where a "Bas" declaration goes: the first.
    forms.whenShown("frmBasSelect", [](sim::ScriptedForm& form) {
      form.pick("List1", 0);
      form.click("OKButton");
    });
    pane->setCaret(line, column);
    std::cout << toUtf8(request.kind) << " " << toUtf8(request.name) << " ("
              << toUtf8(request.module) << " line " << line << ")\n";
    DoDeclare(context, request.kind);
    for (const auto& message : forms.messages()) {
      std::cout << "  message: " << toUtf8(message.text) << "\n";
    }
    forms.clearMessages();
  }
  for (std::size_t i = 0; i < loaded.components.size(); ++i) {
    const auto& component = loaded.components[i];
    const auto& after = component.component->module()->lineTexts();
    if (after != before[i]) {
      const std::string name = toUtf8(component.component->componentName());
      std::cout << "\n";
      print(name + " before", before[i]);
      print(name + " after", after);
    }
  }
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  const std::filesystem::path examples = VELMORA_EXAMPLES_DIR;
  const std::filesystem::path vbp = argc > 1 ? argv[1] : examples / "zakkaten" / "Zakkaten.vbp";
  const std::filesystem::path settings = argc > 2 ? argv[2] : examples;
  try {
    return run(vbp, settings);
  } catch (const velmora::Error& error) {
    std::cerr << "velmora-declare: " << toUtf8(error.description()) << "\n";
  } catch (const std::exception& error) {
    std::cerr << "velmora-declare: " << error.what() << "\n";
  }
  return 1;
}
