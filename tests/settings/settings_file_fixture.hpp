#pragma once

#include "settings/profile_file.hpp"
#include "settings/settings_file.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/system/sim_file_store.hpp"
#include "temp_dir.hpp"

#include <gtest/gtest.h>
#include <string>

namespace velmora::testing {

// Velmora.ini in a fresh directory, in code page 932, on the simulated file store; open() makes
// another profile file there.
class SettingsFileFixture : public ::testing::Test {
protected:
  void write(const std::string& body) const { dir.write("Velmora.ini", "[Velmora]\r\n" + body); }
  std::string ini() const { return dir.read("Velmora.ini"); }
  ProfileFile open(const std::string& bytes) {
    dir.write("w.ini", bytes);
    return {dir.file("w.ini"), codec, files};
  }

  TempDir dir;
  sim::IconvAnsiCodec codec;
  sim::SimFileStore files;
  SettingsFile file{dir.directory(), codec, files};
};

} // namespace velmora::testing
