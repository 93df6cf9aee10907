#pragma once

#include "ports/ansi_codec.hpp"
#include "settings/profile_document.hpp"
#include "settings/profile_index.hpp"
#include "settings/settings_reader.hpp"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The settings file as it was when the snapshot was taken, parsed once: every IniGet on it
// gives what IniGet on the file gave at that moment. Later writes to the file do not show.
// Copies share the parsed file.
class SettingsSnapshot final : public SettingsReader {
public:
  // `document` is the parsed file, nothing when it could not be read (every key then reads
  // as ""). The codec must outlive the snapshot.
  SettingsSnapshot(std::optional<ProfileDocument> document, const AnsiCodec& codec);

  std::u16string IniGet(std::u16string_view section, std::u16string_view key) const override;

private:
  struct Parsed {
    std::optional<ProfileDocument> document;
    std::optional<ProfileIndex> index;
  };

  std::shared_ptr<const Parsed> parsed_;
  const AnsiCodec* codec_;
};

} // namespace velmora
