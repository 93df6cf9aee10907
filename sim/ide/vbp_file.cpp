#include "sim/ide/vbp_file.hpp"

#include "sim/ide/file_bytes.hpp"
#include "sim/ide/source_codec.hpp"
#include "sim/ide/text_lines.hpp"
#include "sim/ide/vb_names.hpp"
#include "support/text.hpp"

#include <algorithm>

namespace velmora::sim {

namespace {

std::u16string_view unquoted(std::u16string_view value) {
  if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::filesystem::path projectPath(std::u16string_view value,
                                  const std::filesystem::path& directory) {
  std::u16string portable(trimSpaces(value));
  std::replace(portable.begin(), portable.end(), u'\\', u'/');
  const std::filesystem::path path = pathOf(portable);
  return path.is_absolute() ? path : directory / path;
}

} // namespace

VbpFile parseVbp(std::u16string_view text, const std::filesystem::path& directory) {
  VbpFile project;
  for (const std::u16string& line : splitLines(text)) {
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string::npos) {
      continue;
    }
    const std::u16string_view key = trimSpaces(std::u16string_view(line).substr(0, equals));
    std::u16string_view value = trimSpaces(std::u16string_view(line).substr(equals + 1));
    if (sameVbName(key, u"Name")) {
      project.name = unquoted(value);
    } else if (sameVbName(key, u"Module") || sameVbName(key, u"Class")) {
      // "Name; file": the file follows the semicolon.
      const std::size_t semicolon = value.find(u';');
      if (semicolon != std::u16string_view::npos) {
        project.files.push_back(projectPath(value.substr(semicolon + 1), directory));
      }
    } else if (sameVbName(key, u"Form") || sameVbName(key, u"UserControl") ||
               sameVbName(key, u"PropertyPage") || sameVbName(key, u"UserDocument")) {
      project.files.push_back(projectPath(value, directory));
    }
  }
  return project;
}

VbpFile readVbp(const std::filesystem::path& file, const AnsiCodePage& ansi) {
  std::string bytes = readFileBytes(file);
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    bytes.erase(0, 3);
  }
  const SourceCodec codec = SourceCodec::detect(bytes, ansi, nameOf(file));
  return parseVbp(codec.decode(bytes), file.parent_path());
}

} // namespace velmora::sim
