#include "sim/ide/file_bytes.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

// Without libFuzzer, a target runs the inputs named on its command line (files, or directories
// of them) once each: the regression run of its corpus. Options for libFuzzer ("-runs=0") are
// ignored.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  int runs = 0;
  const auto replay = [&](const fs::path& input) {
    const std::string bytes = velmora::sim::readFileBytes(input);
    std::printf("%s\n", input.c_str()); // first, so that the input of a failing run is known
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++runs;
  };
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] == '-') {
      continue;
    }
    if (!fs::is_directory(argv[i])) {
      replay(argv[i]);
      continue;
    }
    for (const auto& entry : fs::recursive_directory_iterator(argv[i])) {
      if (entry.is_regular_file()) {
        replay(entry.path());
      }
    }
  }
  std::printf("%d inputs replayed\n", runs);
  return runs > 0 ? 0 : 1;
}
