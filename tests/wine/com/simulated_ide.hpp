#pragma once

#include "com/com_ptr.hpp"
#include "common/program_folder.hpp"
#include "sim/vbide/objects/control_click.hpp"
#include "sim/vbide/objects/vbe_object.hpp"
#include "sim/vbide/objects/vbe_world.hpp"

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

// The simulated IDE's automation objects with one standard module whose code window has the
// caret on a name, and the settings file the add-in reads beside the code that runs it.
namespace velmora::test {

inline const std::vector<std::u16string> kMainCode = {u"Option Explicit", u"", u"Sub Main()",
                                                      u"    strName = \"x\"", u"End Sub"};

inline const std::vector<std::u16string> kMainDeclared = {
    u"Option Explicit",     u"",       u"Sub Main()", u"\tDim strName As String",
    u"    strName = \"x\"", u"End Sub"};

inline constexpr char16_t kToolbar[] = u"ベルモラ";

struct SimulatedIde {
  SimulatedIde() {
    world->vbe = std::make_shared<sim::MemoryVbe>();
    world->bars = std::make_shared<sim::vbide::CommandBarsModel>();
    world->bars->addBuiltInBars();
    module = world->vbe->project()
                 .components()
                 .add(u"basMain", ComponentType::StdModule, kMainCode)
                 ->module();
    world->vbe->showPane(u"basMain")->setCaret(4, 7);
    vbe = sim::vbide::makeVbeObject(world);
  }

  std::shared_ptr<sim::vbide::CommandBarModel> toolbar() const {
    return world->bars->find(kToolbar);
  }

  std::vector<std::u16string> captions() const {
    std::vector<std::u16string> result;
    if (auto bar = toolbar()) {
      for (const auto& control : bar->controls) {
        result.push_back(control->caption);
      }
    }
    return result;
  }

  // The user clicks button `index` (0-based) of the add-in's toolbar.
  sim::vbide::ClickOutcome click(std::size_t index) const {
    return sim::vbide::clickControl(world->bars, toolbar()->controls.at(index));
  }

  std::shared_ptr<sim::vbide::VbeWorld> world = std::make_shared<sim::vbide::VbeWorld>();
  std::shared_ptr<sim::MemoryCodeModule> module;
  win32::ComPtr<IDispatch> vbe;
};

// Velmora.ini in the folder of this program (where Velmora.dll is too): the prefix str is a
// String, no blinking, no comment. Removed again when the object goes.
class SettingsFileBeside {
public:
  SettingsFileBeside() : path_(testing::besideThisProgram(L"Velmora.ini")) {
    static constexpr char kText[] = "[Velmora]\r\nSettouChar1=str\r\nKata1=String\r\nNon=1\r\n"
                                    "Tenmetsu=0\r\nComment=0\r\nImeMode=1\r\n";
    std::ofstream(std::filesystem::path(path_), std::ios::binary) << kText;
  }
  ~SettingsFileBeside() { DeleteFileW(path_.c_str()); }
  SettingsFileBeside(const SettingsFileBeside&) = delete;
  SettingsFileBeside& operator=(const SettingsFileBeside&) = delete;

private:
  std::wstring path_;
};

} // namespace velmora::test
