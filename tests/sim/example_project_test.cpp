#include "failure_of.hpp"
#include "sim/ide/file_bytes.hpp"
#include "sim/ide/project_loader.hpp"
#include "sim/ide/vbp_file.hpp"
#include "support/error.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace velmora::sim {
namespace {

const std::filesystem::path kExamples =
    std::filesystem::path(__FILE__).parent_path() / "../../examples/zakkaten";

class ExampleProject : public ::testing::Test {
protected:
  LoadedProject loaded = loadVbp(kExamples / "Zakkaten.vbp");
  MemoryVbComponents& components = loaded.project->components();
};

TEST_F(ExampleProject, ComponentsComeInProjectFileOrder) {
  EXPECT_EQ(loaded.name, u"Zakkaten");
  const std::vector<std::pair<std::u16string, std::int32_t>> expected = {
      {u"frmOrder", 5}, {u"basMain", 1},     {u"basTax", 1},
      {u"clsItem", 2},  {u"clsCustomer", 2}, {u"ctlPrice", 8}};
  ASSERT_EQ(components.count(), 6);
  for (std::int32_t i = 1; i <= 6; ++i) {
    EXPECT_EQ(components.item(i)->name(), expected[i - 1].first);
    EXPECT_EQ(components.item(i)->type(), expected[i - 1].second);
    // Every header is hidden: the code window starts with the code.
    EXPECT_EQ(components.module(expected[i - 1].first)->lines(1, 1), u"Option Explicit");
  }
}

TEST_F(ExampleProject, PropertyProceduresOfTheClassAndTheUserControl) {
  auto customer = components.module(u"clsCustomer");
  ProcKind kind = ProcKind::Procedure;
  const std::int32_t rank = customer->procBodyLine(u"Rank", ProcKind::PropertyGet);
  EXPECT_EQ(customer->lines(rank, 1), u"Public Property Get Rank() As String");
  EXPECT_EQ(customer->procOfLine(rank + 4, kind), u"Rank");
  EXPECT_EQ(kind, ProcKind::PropertyGet);
  EXPECT_THROW(customer->procBodyLine(u"Rank", ProcKind::Procedure), HostError);

  auto price = components.module(u"ctlPrice");
  const std::int32_t let = price->procBodyLine(u"Value", ProcKind::PropertyLet);
  EXPECT_EQ(price->lines(let + 1, 1), u"    strShown = Format$(curNew, \"#,##0\")");
  EXPECT_EQ(price->procOfLine(let + 1, kind), u"Value");
  EXPECT_EQ(kind, ProcKind::PropertyLet);
  // The member attribute under the Get's header is hidden.
  const std::int32_t get = price->procBodyLine(u"Value", ProcKind::PropertyGet);
  EXPECT_EQ(price->lines(get + 1, 1), u"    Value = CCur(Val(txtPrice.Text))");
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
  std::filesystem::copy_file(kExamples / "Zakkaten.vbp", out / "Zakkaten.vbp");
  loaded.saveInto(out);
  for (const LoadedComponent& c : loaded.components) {
    EXPECT_EQ(readFileBytes(out / c.file.filename()), readFileBytes(c.file)) << c.file;
  }

  components.module(u"clsItem")->addFromString(u"Private strText As String");
  loaded.saveInto(out);
  const std::string saved = readFileBytes(out / "clsItem.cls");
  const std::string original = readFileBytes(kExamples / "clsItem.cls");
  const std::string marker = "Private mcurPrice As Currency\r\n";
  const std::size_t at = original.find(marker) + marker.size();
  EXPECT_EQ(saved, original.substr(0, at) + "Private strText As String\r\n" + original.substr(at));

  // Saved in place, only the edited module is written: a file changed on disk meanwhile by
  // someone else keeps that change.
  const LoadedProject copy = loadVbp(out / "Zakkaten.vbp");
  copy.project->components().module(u"basTax")->addFromString(u"Private intRate As Integer");
  writeFileBytes(out / "basMain.bas", "' changed elsewhere\r\n");
  copy.save();
  EXPECT_EQ(readFileBytes(out / "basMain.bas"), "' changed elsewhere\r\n");
  EXPECT_NE(readFileBytes(out / "basTax.bas").find("Private intRate As Integer"),
            std::string::npos);
  std::filesystem::remove_all(out);
}

TEST(VbpFile, ModuleEntriesInOrderWithWindowsPaths) {
  const VbpFile vbp = parseVbp(
      u"Type=Exe\r\nForm=forms\\frmA.frm\r\nReference=*\\G{x}#2.0#0#a;b\r\n"
      u"Module=basA; mods\\basA.bas\r\nClass=clsB;clsB.cls\r\nUserControl=ctl\\ctlC.ctl\r\n"
      u"PropertyPage=ppgD.pag\r\nUserDocument=docE.dob\r\nDesigner=DataEnv.Dsr\r\n"
      u"ResFile32=\"app.res\"\r\nName=\"P\"\r\n",
      "/p");
  EXPECT_EQ(vbp.name, u"P");
  EXPECT_EQ(vbp.files, (std::vector<std::filesystem::path>{"/p/forms/frmA.frm", "/p/mods/basA.bas",
                                                           "/p/clsB.cls", "/p/ctl/ctlC.ctl",
                                                           "/p/ppgD.pag", "/p/docE.dob"}));
}

// A module path naming a directory, or holding a NUL (which the system would read as the end of
// the name, opening a file the project does not list), fails as the project's own error.
TEST(VbpFile, PathsThatNameNoModuleFileAreRefusedAsTheProjectsError) {
  using namespace std::string_literals;
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("velmora-vbp-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir / "d.bas");
  writeFileBytes(dir / "a.bas", "Attribute VB_Name = \"A\"\r\n");
  const auto failure = [&](const std::string& entry) {
    writeFileBytes(dir / "P.vbp", "Type=Exe\r\n" + entry + "\r\n");
    return failureOf([&] { loadVbp(dir / "P.vbp"); });
  };
  EXPECT_EQ(failure("Module=A; a.bas"), u"(no error)");
  EXPECT_EQ(failure("Module=D; d.bas"), u"ファイルを開けません: " + nameOf(dir / "d.bas"));
  EXPECT_EQ(failure("Module=A; a.bas\0d.bas"s),
            u"ファイル名に NUL 文字があります: " + nameOf(dir / "a.bas") + u"\u2400d.bas");
  EXPECT_THROW(writeFileBytes(dir / "a.bas\0x"s, "x"), Error);
  std::filesystem::remove_all(dir);
}

} // namespace
} // namespace velmora::sim
