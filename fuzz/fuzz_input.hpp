#pragma once

#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/ide/ansi_code_page.hpp"
#include "support/utf.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>

// What the fuzz targets share: reading one input as its parts, the checks that stop a run, and
// the code page and scratch directory the file targets work with.
namespace velmora::fuzz {

// The bytes of one input, taken from the front. Reading past the end gives zeros and empty
// parts, so every input, however short, is a whole case.
class FuzzInput {
public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t byte() {
    if (rest_.empty()) {
      return 0;
    }
    const auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }

  // The bytes up to the next `end` (which is taken too), or all that are left.
  std::string_view until(char end) {
    const std::size_t at = rest_.find(end);
    const std::string_view part = rest_.substr(0, at);
    rest_.remove_prefix(at == std::string_view::npos ? rest_.size() : at + 1);
    return part;
  }

  std::string_view rest() { return std::exchange(rest_, {}); }

private:
  std::string_view rest_;
};

// Each target's check of one input; fuzz_entry.cpp hands it every input.
void checkInput(FuzzInput& input);

// Bytes as UTF-16LE units (an odd last byte is dropped): any text the system could hand over,
// lone surrogates included.
inline std::u16string utf16Units(std::string_view bytes) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                         static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  return text;
}

// The text of an input's bytes: UTF-16LE units, or UTF-8.
inline std::u16string textOf(bool units, std::string_view bytes) {
  return units ? utf16Units(bytes) : fromUtf8(bytes);
}

// Ends the run as a finding unless `ok`.
inline void require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
  }
}

// Code page 932: the settings file and the source files of a Japanese system.
inline const sim::AnsiCodePage& codePage932() {
  static const sim::AnsiCodePage page(std::make_shared<sim::IconvAnsiCodec>(), u"932");
  return page;
}

// A new directory for the run's files, in memory where the system offers it (a run writes its
// files thousands of times a second).
inline std::filesystem::path scratchDirectory() {
  namespace fs = std::filesystem;
  const fs::path base =
      fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string name = (base / "velmora-fuzz-XXXXXX").string();
  require(mkdtemp(name.data()) != nullptr, "no temporary directory");
  return name;
}

} // namespace velmora::fuzz
