#pragma once

#include "ports/bitmap.hpp"

namespace velmora {

// The faces of the toolbar's five buttons, held by the settings form's picture boxes.
enum class ButtonFace { Dim, Private, Public, Bas, Settei };

inline constexpr int kFaceSize = 16;
inline constexpr int kIconSize = 32;

// 16 x 16, 16 colours: black pixel letters on the light grey of a button face: DIM, PRI over
// VATE, PUB over LIC, BAS, and the character 設 for the settings.
const Bitmap& ButtonFacePicture(ButtonFace face);

// The settings window's icon, 32 x 32, 16 colours.
const Bitmap& VelmoraIcon();

} // namespace velmora
