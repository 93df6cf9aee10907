#pragma once

#include "common/temp_directory.hpp"
#include "services/win32_ansi_codec.hpp"
#include "services/win32_file_store.hpp"
#include "settings/settings_file.hpp"

#include <array>
#include <iterator>

namespace velmora::testing {

// Two copies of one settings file in a fresh directory: the one that Wine's profile functions
// keep, and the one that our settings file keeps. All texts are the bytes the ANSI functions take
// and give (code page 932); our side gets them through the Win32 codec.
class ProfileCopies {
public:
  enum class Copy { Wines, Ours };

  // Both copies start as `initial`, or missing when `exists` is false.
  ProfileCopies(const std::string& initial, bool exists) {
    for (const Copy copy : {Copy::Wines, Copy::Ours}) {
      std::filesystem::create_directories(path(copy).parent_path());
      if (exists) {
        std::ofstream(path(copy), std::ios::binary) << initial;
      }
    }
    wineForget();
  }
  ~ProfileCopies() { wineForget(); }
  ProfileCopies(const ProfileCopies&) = delete;
  ProfileCopies& operator=(const ProfileCopies&) = delete;

  // GetPrivateProfileStringA as the add-in calls it: default "", a zero-filled buffer of 256
  // bytes handed over as 255; the text up to the first NUL.
  std::string wineGet(Copy copy, const std::string& section, const std::string& key) const {
    std::array<char, 256> buffer{};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), 255,
                             path(copy).string().c_str());
    return buffer.data();
  }
  bool winePut(const std::string& section, const std::string& key, const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      path(Copy::Wines).string().c_str()) != FALSE;
  }
  // WritePrivateProfileSectionA with an empty key list.
  bool winePutSection(const std::string& section) {
    return WritePrivateProfileSectionA(section.c_str(), "", path(Copy::Wines).string().c_str()) !=
           FALSE;
  }
  // Makes Wine read its files afresh (it keeps recently used ones in memory).
  void wineForget() const {
    for (const Copy copy : {Copy::Wines, Copy::Ours}) {
      WritePrivateProfileStringA(nullptr, nullptr, nullptr, path(copy).string().c_str());
    }
  }

  // IniGet on the copy, directly or through a snapshot of it.
  std::string oursGet(Copy copy, const std::string& section, const std::string& key,
                      bool snapshot = false) const {
    const SettingsFile& file = copy == Copy::Ours ? ours_ : wines_;
    const std::u16string value = snapshot ? file.snapshot().IniGet(u16(section), u16(key))
                                          : file.IniGet(u16(section), u16(key));
    return codec_.encode(value);
  }
  bool oursPut(const std::string& section, const std::string& key, const std::string& value) {
    return ours_.IniPut(u16(section), u16(key), u16(value));
  }
  bool oursPutSection(const std::string& section) { return ours_.IniPutSection(u16(section)); }

  bool exists(Copy copy) const { return std::filesystem::exists(path(copy)); }
  std::string bytes(Copy copy) const {
    std::ifstream in(path(copy), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

private:
  std::filesystem::path path(Copy copy) const {
    return root_.path() / (copy == Copy::Ours ? "ours" : "wine") / "Velmora.ini";
  }
  std::u16string u16(const std::string& ansi) const { return codec_.decode(ansi); }

  TempDirectory root_;
  win32::Win32AnsiCodec codec_;
  win32::Win32FileStore files_;
  SettingsFile ours_{path(Copy::Ours).parent_path().u16string(), codec_, files_};
  SettingsFile wines_{path(Copy::Wines).parent_path().u16string(), codec_, files_}; // our reader
};

} // namespace velmora::testing
