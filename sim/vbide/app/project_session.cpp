#include "sim/vbide/app/project_session.hpp"

#include "services/win32_ansi_codec.hpp"
#include "support/text.hpp"

#include <windows.h>

namespace velmora::sim::vbide {

namespace {

// Characters that continue a Visual Basic name: letters, digits, the underscore and every
// character outside ASCII.
bool continuesName(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
         c == u'_' || c >= 0x80;
}

} // namespace

ProjectSession::ProjectSession(std::shared_ptr<MemoryVbe> vbe) : vbe_(std::move(vbe)) {}

void ProjectSession::open(const std::filesystem::path& vbp) {
  // The system's ANSI code page, named by its number in the error of a file it cannot hold.
  LoadedProject loaded = loadVbp(vbp, AnsiCodePage(std::make_shared<const win32::Win32AnsiCodec>(),
                                                   decimal(static_cast<long long>(GetACP()))));
  vbe_->windows().clearActive();
  vbe_->setActiveProject(loaded.project);
  loaded_ = std::move(loaded);
}

std::u16string ProjectSession::name() const {
  return loaded_ ? loaded_->name : std::u16string();
}

std::shared_ptr<MemoryCodeModule> ProjectSession::module(std::u16string_view component) const {
  return vbe_->project().components().module(component);
}

std::shared_ptr<MemoryCodePane> ProjectSession::show(std::u16string_view component) const {
  return vbe_->showPane(component);
}

std::optional<WordPlace> firstUse(const MemoryCodeModule& module, std::u16string_view word) {
  if (word.empty()) {
    return std::nullopt;
  }
  const auto& lines = module.lineTexts();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::u16string& line = lines[i];
    for (auto at = line.find(word); at != std::u16string::npos; at = line.find(word, at + 1)) {
      const bool startsName = at == 0 || !continuesName(line[at - 1]);
      const std::size_t end = at + word.size();
      const bool endsName = end == line.size() || !continuesName(line[end]);
      if (startsName && endsName) {
        return WordPlace{static_cast<std::int32_t>(i + 1), static_cast<std::int32_t>(at + 1)};
      }
    }
  }
  return std::nullopt;
}

} // namespace velmora::sim::vbide
