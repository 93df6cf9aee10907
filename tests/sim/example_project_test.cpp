#include "sim/ide/file_bytes.hpp"
#include "sim/ide/project_loader.hpp"
#include "sim/ide/vbp_file.hpp"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace velmora::sim {
namespace {

std::filesystem::path examples() {
  if (const char* root = std::getenv("VELMORA_SOURCE_DIR")) {
    return std::filesystem::path(root) / "examples" / "zakkaten";
  }
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples" /
         "zakkaten";
}

class ExampleProject : public ::testing::Test {
protected:
  LoadedProject loaded = loadVbp(examples() / "Zakkaten.vbp");
  MemoryVbComponents& components = loaded.project->components();
};

TEST_F(ExampleProject, ComponentsComeInProjectFileOrder) {
  EXPECT_EQ(loaded.name, u"Zakkaten");
  ASSERT_EQ(components.count(), 4);
  const std::vector<std::pair<std::u16string, std::int32_t>> expected = {
      {u"frmOrder", 5}, {u"basMain", 1}, {u"basTax", 1}, {u"clsItem", 2}};
  for (std::int32_t i = 1; i <= 4; ++i) {
    EXPECT_EQ(components.item(i)->name(), expected[i - 1].first);
    EXPECT_EQ(components.item(i)->type(), expected[i - 1].second);
  }
  EXPECT_EQ(components.module(u"frmOrder")->lines(1, 1), u"Option Explicit");
  EXPECT_EQ(components.module(u"clsItem")->lines(1, 1), u"Option Explicit");
}

TEST_F(ExampleProject, ProceduresOfTheMainModule) {
  auto module = components.module(u"basMain");
  const std::int32_t header = module->procBodyLine(u"CalcTotal", ProcKind::Procedure);
  EXPECT_EQ(module->lines(header + 3, 1), u"    ' 小計");
  ProcKind kind = ProcKind::Procedure;
  // The comment above CalcTotal is CalcTotal's; the trailing blank line the last procedure's.
  EXPECT_EQ(module->procOfLine(header - 1, kind), u"CalcTotal");
  EXPECT_EQ(module->procOfLine(module->countOfLines(), kind), u"NextOrderNo");
  EXPECT_EQ(module->procOfLine(module->countOfDeclarationLines(), kind), u"");
  EXPECT_EQ(module->lines(module->countOfDeclarationLines(), 1), u"Private mlngStarted As Long");
  EXPECT_EQ(module->procedures().procedures().size(), 4U);
  EXPECT_EQ(components.module(u"basTax")->procOfLine(10, kind), u"AddTax");
}

TEST_F(ExampleProject, SavedUneditedItIsTheSameFileAndEditedOnlyTheCodeChanges) {
  const std::filesystem::path out =
      std::filesystem::temp_directory_path() /
      ("velmora-example-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
  std::filesystem::create_directories(out);
  loaded.saveInto(out);
  for (const LoadedComponent& c : loaded.components) {
    EXPECT_EQ(readFileBytes(out / c.file.filename()), readFileBytes(c.file)) << c.file;
  }

  components.module(u"clsItem")->addFromString(u"Private strText As String");
  loaded.saveInto(out);
  const std::string saved = readFileBytes(out / "clsItem.cls");
  const std::string original = readFileBytes(examples() / "clsItem.cls");
  const std::string marker = "Private mcurPrice As Currency\r\n";
  const std::size_t at = original.find(marker) + marker.size();
  EXPECT_EQ(saved, original.substr(0, at) + "Private strText As String\r\n" + original.substr(at));
  std::filesystem::remove_all(out);
}

TEST(VbpFile, ModuleEntriesInOrderWithWindowsPaths) {
  const VbpFile vbp =
      parseVbp(u"Type=Exe\r\nForm=forms\\frmA.frm\r\nReference=*\\G{x}#2.0#0#a;b\r\n"
               u"Module=basA; mods\\basA.bas\r\nClass=clsB;clsB.cls\r\nName=\"P\"\r\n",
               "/p");
  EXPECT_EQ(vbp.name, u"P");
  EXPECT_EQ(vbp.files, (std::vector<std::filesystem::path>{"/p/forms/frmA.frm", "/p/mods/basA.bas",
                                                           "/p/clsB.cls"}));
}

} // namespace
} // namespace velmora::sim
