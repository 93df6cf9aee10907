#include "settings/profile_file.hpp"

#include "settings/profile_value.hpp"
#include "settings/whole_file.hpp"

namespace velmora {

ProfileFile::ProfileFile(FilePath path, const AnsiCodec& codec, FileStore& store)
    : path_(std::move(path)), codec_(&codec), store_(&store) {}

FileContents ProfileFile::read() const {
  return store_->read(path_);
}

std::optional<ProfileDocument> ProfileFile::load() const {
  FileContents file = read();
  switch (file.status) {
  case FileContents::Status::Read:
    return ProfileDocument::parse(std::move(file.bytes), *codec_);
  case FileContents::Status::Missing:
    return ProfileDocument(*codec_);
  case FileContents::Status::Failed:
    break;
  }
  return std::nullopt;
}

std::optional<std::u16string> ProfileFile::getString(std::u16string_view section,
                                                     std::u16string_view key,
                                                     std::size_t bufferSize) const {
  const std::optional<ProfileDocument> document = load();
  if (!document) {
    return std::nullopt;
  }
  const std::optional<std::u16string> value = document->find(section, key);
  if (!value) {
    return std::nullopt;
  }
  return returnedProfileValue(*value, bufferSize, *codec_);
}

bool ProfileFile::writeString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view value) {
  return update([&](ProfileDocument& document) { return document.set(section, key, value); });
}

bool ProfileFile::clearSection(std::u16string_view section) {
  return update([&](ProfileDocument& document) {
    document.clearSection(section);
    return true;
  });
}

bool ProfileFile::update(const std::function<bool(ProfileDocument&)>& edit) {
  std::optional<ProfileDocument> document = load();
  if (!document || !edit(*document)) {
    return false;
  }
  if (!document->changed()) {
    return true;
  }
  return replaceWholeFile(*store_, path_, document->bytes());
}

} // namespace velmora
