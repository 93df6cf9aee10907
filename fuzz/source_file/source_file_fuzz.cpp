#include "fuzz_input.hpp"
#include "sim/ide/source_binding.hpp"
#include "sim/ide/source_file.hpp"
#include "support/error.hpp"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

// A module's source file as the in-memory IDE reads it: split into the hidden header, the code
// and the hidden member attributes. After a declaration is inserted, the file written back reads
// as the same header, the module's lines and the same hidden lines.
//
// Input: a byte choosing the file's kind and a line for the declaration, then the file's bytes.
namespace velmora::fuzz {
namespace {

struct Kind {
  std::int32_t type;
  std::u16string_view fileName;
};

constexpr std::array<Kind, 6> kKinds = {{{sim::kStdModuleKind, u"Fuzz.bas"},
                                         {sim::kClassModuleKind, u"Fuzz.cls"},
                                         {sim::kFormKind, u"Fuzz.frm"},
                                         {sim::kUserControlKind, u"Fuzz.ctl"},
                                         {sim::kPropertyPageKind, u"Fuzz.pag"},
                                         {sim::kUserDocumentKind, u"Fuzz.dob"}}};

} // namespace

void checkInput(FuzzInput& input) {
  const std::uint8_t choice = input.byte();
  const std::uint8_t line = input.byte();
  const Kind& kind = kKinds[choice % kKinds.size()];
  const std::string_view bytes = input.rest();
  sim::SourceText source;
  try {
    source = sim::parseSource(bytes, kind.type, kind.fileName, codePage932());
  } catch (const Error&) {
    return; // neither UTF-8 nor the code page: refused by name
  }
  require(source.original == bytes, "the file read is not the file");

  const std::shared_ptr<sim::SourceBinding> binding = sim::SourceBinding::bind(source);
  const std::shared_ptr<sim::MemoryCodeModule>& module = binding->module();
  require(binding->render() == bytes, "an unedited file is not written back as it was");
  const std::int32_t at = 1 + line % (module->countOfLines() + 1);
  module->insertLines(at, u"\tDim strFuzz As String");

  const std::string written = binding->render();
  const sim::SourceText again = sim::parseSource(written, kind.type, kind.fileName, codePage932());
  require(again.name == source.name && again.type == source.type, "the module changed its name");
  require(again.byteOrderMark == source.byteOrderMark, "the byte-order mark changed");
  // A header that ended the file gets the line break that now separates it from the code.
  require(again.header == source.header ||
              (!source.header.ends_with('\n') && !source.header.ends_with('\r') &&
               again.header == source.header + again.lineBreak),
          "the header changed");
  require(again.codeLines == module->lineTexts(), "the code read back is not the module's");
  require(again.hiddenLines.size() == source.hiddenLines.size(), "hidden lines were lost");
  for (std::size_t i = 0; i < again.hiddenLines.size(); ++i) {
    require(again.hiddenLines[i].bytes == source.hiddenLines[i].bytes, "a hidden line changed");
  }
}

} // namespace velmora::fuzz
