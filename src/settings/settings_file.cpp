#include "settings/settings_file.hpp"

#include "settings/ini_value.hpp"
#include "settings/settings_path.hpp"

#include <exception>

namespace velmora {

SettingsFile::SettingsFile(std::u16string_view libraryDirectory, const AnsiCodec& codec,
                           FileStore& store)
    : windowsPath_(SettingsPath(libraryDirectory)),
      profile_(nativePath(windowsPath_), codec, store) {}

std::u16string SettingsFile::IniGet(std::u16string_view section, std::u16string_view key) const {
  try {
    const std::optional<ProfileDocument> document = profile_.load();
    if (!document) {
      return {};
    }
    return IniValue(document->find(IniName(section), IniName(key)), profile_.codec());
  } catch (const std::exception&) {
    return {};
  }
}

bool SettingsFile::IniPut(std::u16string_view section, std::u16string_view key,
                          std::u16string_view value) {
  try {
    return profile_.writeString(IniName(section), IniName(key), value);
  } catch (const std::exception&) {
    return false;
  }
}

bool SettingsFile::IniPutSection(std::u16string_view section) {
  try {
    return profile_.clearSection(IniName(section));
  } catch (const std::exception&) {
    return false;
  }
}

SettingsSnapshot SettingsFile::snapshot() const {
  const AnsiCodec& codec = profile_.codec();
  try {
    FileContents file = profile_.read();
    switch (file.status) {
    case FileContents::Status::Read: {
      if (lastRead_ && lastRead_->bytes == file.bytes) {
        return lastRead_->snapshot;
      }
      SettingsSnapshot snapshot(ProfileDocument::parse(file.bytes, codec), codec);
      lastRead_.emplace(LastRead{std::move(file.bytes), snapshot});
      return snapshot;
    }
    case FileContents::Status::Missing:
      return SettingsSnapshot(ProfileDocument(codec), codec);
    case FileContents::Status::Failed:
      break;
    }
  } catch (const std::exception&) {
    // A file the codec or the memory could not take: read as missing, as IniGet reads it.
  }
  return SettingsSnapshot(std::nullopt, codec);
}

bool SettingsFile::update(const std::function<bool(ProfileDocument&)>& edit) {
  return profile_.update(edit);
}

} // namespace velmora
