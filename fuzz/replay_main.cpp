#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Without libFuzzer, a target runs the inputs named on its command line (files, or directories
// of them) once each: the regression run of its corpus. Options for libFuzzer ("-runs=0") are
// ignored.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputsOf(const std::filesystem::path& path) {
  std::vector<std::filesystem::path> inputs;
  if (std::filesystem::is_directory(path)) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
      if (entry.is_regular_file()) {
        inputs.push_back(entry.path());
      }
    }
  } else {
    inputs.push_back(path);
  }
  return inputs;
}

} // namespace

int main(int argc, char** argv) {
  int runs = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument.starts_with("-")) {
      continue;
    }
    for (const std::filesystem::path& input : inputsOf(argument)) {
      std::ifstream in(input, std::ios::binary);
      if (!in) {
        std::fprintf(stderr, "cannot read %s\n", input.c_str());
        return 1;
      }
      const std::string bytes((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
      // Named first, so that the input of a failing run is known.
      std::printf("%s\n", input.c_str());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++runs;
    }
  }
  std::printf("%d inputs replayed\n", runs);
  return runs > 0 ? 0 : 1;
}
