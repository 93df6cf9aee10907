#include "settings/settings_snapshot.hpp"

#include "settings/ini_value.hpp"

namespace velmora {

SettingsSnapshot::SettingsSnapshot(std::optional<ProfileDocument> document, const AnsiCodec& codec)
    : document_(std::move(document)), codec_(&codec) {
  if (document_) {
    index_.emplace(*document_);
  }
}

std::u16string SettingsSnapshot::IniGet(std::u16string_view section,
                                        std::u16string_view key) const {
  if (!index_) {
    return {};
  }
  const std::optional<std::size_t> line = index_->line(IniName(section), IniName(key));
  if (!line) {
    return {};
  }
  const ProfileLine& entry = document_->lines()[*line];
  if (!entry.hasValue) {
    return {};
  }
  return IniValue(document_->value(entry), *codec_);
}

} // namespace velmora
