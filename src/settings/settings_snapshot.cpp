#include "settings/settings_snapshot.hpp"

#include "settings/ini_value.hpp"

namespace velmora {

SettingsSnapshot::SettingsSnapshot(std::optional<ProfileDocument> document, const AnsiCodec& codec)
    : codec_(&codec) {
  auto parsed = std::make_shared<Parsed>();
  parsed->document = std::move(document);
  if (parsed->document) {
    parsed->index.emplace(*parsed->document);
  }
  parsed_ = std::move(parsed);
}

std::u16string SettingsSnapshot::IniGet(std::u16string_view section,
                                        std::u16string_view key) const {
  if (!parsed_->index) {
    return {};
  }
  const ProfileDocument& document = *parsed_->document;
  const std::optional<std::size_t> line =
      parsed_->index->line(document, IniName(section), IniName(key));
  if (!line) {
    return {};
  }
  const ProfileLine& entry = document.lines()[*line];
  if (!entry.hasValue) {
    return {};
  }
  return IniValue(document.value(entry), *codec_);
}

} // namespace velmora
