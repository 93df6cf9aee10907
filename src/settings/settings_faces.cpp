#include "settings/settings_faces.hpp"

#include "settings/pixel_art.hpp"

namespace velmora {

namespace {

constexpr Colour16 kFaceGrey = Colour16::Silver;
constexpr Colour16 kInk = Colour16::Black;

// Letters seven pixels high, for the faces with one word.
const PixelFont& largeFont() {
  static const PixelFont font = {
      {'A', {".##.", "#..#", "#..#", "####", "#..#", "#..#", "#..#"}},
      {'B', {"###.", "#..#", "#..#", "###.", "#..#", "#..#", "###."}},
      {'D', {"###.", "#..#", "#..#", "#..#", "#..#", "#..#", "###."}},
      {'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
      {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
      {'S', {".###", "#...", "#...", ".##.", "...#", "...#", "###."}},
  };
  return font;
}

// Letters five pixels high, for the faces with two lines.
const PixelFont& smallFont() {
  static const PixelFont font = {
      {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'B', {"##.", "#.#", "##.", "#.#", "##."}},
      {'C', {".##", "#..", "#..", "#..", ".##"}}, {'E', {"###", "#..", "##.", "#..", "###"}},
      {'I', {"###", ".#.", ".#.", ".#.", "###"}}, {'L', {"#..", "#..", "#..", "#..", "###"}},
      {'P', {"##.", "#.#", "##.", "#..", "#.."}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
      {'T', {"###", ".#.", ".#.", ".#.", ".#."}}, {'U', {"#.#", "#.#", "#.#", "#.#", "###"}},
      {'V', {"#.#", "#.#", "#.#", ".#.", ".#."}},
  };
  return font;
}

Bitmap oneWordFace(std::string_view word) {
  Bitmap face = filledBitmap(kFaceSize, kFaceSize, kFaceGrey);
  drawCentredText(face, 4, largeFont(), word, kInk);
  return face;
}

Bitmap twoLineFace(std::string_view upper, std::string_view lower) {
  Bitmap face = filledBitmap(kFaceSize, kFaceSize, kFaceGrey);
  drawCentredText(face, 2, smallFont(), upper, kInk);
  drawCentredText(face, 9, smallFont(), lower, kInk);
  return face;
}

// 設: the speech radical on the left, the weapon component on the right.
Bitmap setteiFace() {
  Bitmap face = filledBitmap(kFaceSize, kFaceSize, kFaceGrey);
  drawPattern(face, 0, 0,
              {
                  "................",
                  "..##.....####...",
                  ".........#..#...",
                  "######...#..#...",
                  ".........#..#.#.",
                  ".####...#...###.",
                  ".......#........",
                  ".####..#######..",
                  "........#....#..",
                  ".####....#..#...",
                  ".#..#.....##....",
                  ".#..#.....##....",
                  ".#..#....#..#...",
                  ".####..##....##.",
                  "................",
                  "................",
              },
              {{'#', kInk}});
  return face;
}

// A white V over "DIM" in yellow, on navy with a black rim.
Bitmap velmoraIcon() {
  Bitmap icon = filledBitmap(kIconSize, kIconSize, Colour16::Black);
  fillRect(icon, 1, 1, kIconSize - 2, kIconSize - 2, Colour16::Navy);
  constexpr int kTop = 3;
  constexpr int kRows = 18;
  constexpr int kStroke = 4;
  for (int row = 0; row < kRows; ++row) {
    const int inset = 4 + row * 11 / (kRows - 1);
    fillRect(icon, inset, kTop + row, kStroke, 1, Colour16::White);
    fillRect(icon, kIconSize - inset - kStroke, kTop + row, kStroke, 1, Colour16::White);
  }
  drawCentredText(icon, 23, largeFont(), "DIM", Colour16::Yellow);
  return icon;
}

} // namespace

const Bitmap& ButtonFacePicture(ButtonFace face) {
  static const Bitmap dim = oneWordFace("DIM");
  static const Bitmap priv = twoLineFace("PRI", "VATE");
  static const Bitmap pub = twoLineFace("PUB", "LIC");
  static const Bitmap bas = oneWordFace("BAS");
  static const Bitmap settei = setteiFace();
  switch (face) {
  case ButtonFace::Dim:
    return dim;
  case ButtonFace::Private:
    return priv;
  case ButtonFace::Public:
    return pub;
  case ButtonFace::Bas:
    return bas;
  case ButtonFace::Settei:
    break;
  }
  return settei;
}

const Bitmap& VelmoraIcon() {
  static const Bitmap icon = velmoraIcon();
  return icon;
}

} // namespace velmora
