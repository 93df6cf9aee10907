#include "fuzz_input.hpp"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::FuzzInput input(data, size);
  velmora::fuzz::checkInput(input);
  return 0;
}
