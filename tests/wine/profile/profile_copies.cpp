#include "profile/profile_copies.hpp"

#include <array>
#include <fstream>
#include <iterator>
#include <windows.h>

namespace velmora::testing {

namespace {

std::filesystem::path freshDirectory() {
  std::array<wchar_t, MAX_PATH + 1> temp{};
  GetTempPathW(static_cast<DWORD>(temp.size()), temp.data());
  static int made = 0;
  std::filesystem::path root =
      std::filesystem::path(temp.data()) /
      ("velmora-profile-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made));
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root / "wine");
  std::filesystem::create_directories(root / "ours");
  return root;
}

std::u16string windowsSpelling(const std::filesystem::path& path) {
  const std::wstring text = path.wstring();
  return {text.begin(), text.end()};
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

ProfileCopies::ProfileCopies(const std::string& initial, bool exists)
    : root_(freshDirectory()), winePath_((root_ / "wine" / "Velmora.ini").string()),
      ourPath_((root_ / "ours" / "Velmora.ini").string()),
      ours_(windowsSpelling(root_ / "ours"), codec_, files_),
      wines_(windowsSpelling(root_ / "wine"), codec_, files_) {
  if (exists) {
    writeBytes(winePath_, initial);
    writeBytes(ourPath_, initial);
  }
  wineForget();
}

ProfileCopies::~ProfileCopies() {
  wineForget();
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string ProfileCopies::wineGet(Copy copy, const std::string& section,
                                   const std::string& key) const {
  std::array<char, 256> buffer{};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), 255,
                           copy == Copy::Ours ? ourPath_.c_str() : winePath_.c_str());
  return buffer.data();
}

bool ProfileCopies::winePut(const std::string& section, const std::string& key,
                            const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    winePath_.c_str()) != FALSE;
}

bool ProfileCopies::winePutSection(const std::string& section) {
  return WritePrivateProfileSectionA(section.c_str(), "", winePath_.c_str()) != FALSE;
}

void ProfileCopies::wineForget() const {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, winePath_.c_str());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, ourPath_.c_str());
}

std::string ProfileCopies::oursGet(Copy copy, const std::string& section,
                                   const std::string& key) const {
  return codec_.encode(file(copy).IniGet(codec_.decode(section), codec_.decode(key)));
}

std::string ProfileCopies::oursSnapshotGet(const SettingsSnapshot& snapshot,
                                           const std::string& section,
                                           const std::string& key) const {
  return codec_.encode(snapshot.IniGet(codec_.decode(section), codec_.decode(key)));
}

SettingsSnapshot ProfileCopies::oursSnapshot(Copy copy) const {
  return file(copy).snapshot();
}

bool ProfileCopies::oursPut(const std::string& section, const std::string& key,
                            const std::string& value) {
  return ours_.IniPut(codec_.decode(section), codec_.decode(key), codec_.decode(value));
}

bool ProfileCopies::oursPutSection(const std::string& section) {
  return ours_.IniPutSection(codec_.decode(section));
}

std::string ProfileCopies::oursStored(const std::string& section, const std::string& key) const {
  const ProfileFile profile(ours_.path(), codec_, files_);
  const std::optional<ProfileDocument> document = profile.load();
  if (!document) {
    return {};
  }
  const auto stored = document->find(codec_.decode(section), codec_.decode(key));
  return stored ? codec_.encode(*stored) : std::string();
}

bool ProfileCopies::exists(Copy copy) const {
  return std::filesystem::exists(copy == Copy::Ours ? ourPath_ : winePath_);
}

std::string ProfileCopies::bytes(Copy copy) const {
  std::ifstream in(copy == Copy::Ours ? ourPath_ : winePath_, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace velmora::testing
