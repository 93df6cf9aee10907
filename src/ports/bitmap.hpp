#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

// The 16 colours of the standard Windows VGA palette, by index.
enum class Colour16 : std::uint8_t {
  Black = 0,
  Maroon,
  Green,
  Olive,
  Navy,
  Purple,
  Teal,
  Silver,
  Grey,
  Red,
  Lime,
  Yellow,
  Blue,
  Fuchsia,
  Aqua,
  White
};

// A 16-colour picture, one palette index per pixel, rows from the top.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<Colour16> pixels;

  Colour16 at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

} // namespace velmora
