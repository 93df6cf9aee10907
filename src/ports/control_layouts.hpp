#pragma once

#include "ports/form_layout.hpp"

#include <string>
#include <utility>

namespace velmora {

// Shorthands for writing form layouts.
inline ControlSpec controlSpec(ControlKind kind, std::string name, std::u16string caption,
                               TwipRect place, int tabIndex = -1) {
  ControlSpec spec;
  spec.kind = kind;
  spec.name = std::move(name);
  spec.caption = std::move(caption);
  spec.place = place;
  spec.tabIndex = tabIndex;
  return spec;
}

inline ControlSpec labelSpec(std::string name, std::u16string caption, TwipRect place) {
  return controlSpec(ControlKind::Label, std::move(name), std::move(caption), place);
}

inline ControlSpec buttonSpec(std::string name, std::u16string caption, TwipRect place,
                              int tabIndex) {
  return controlSpec(ControlKind::Button, std::move(name), std::move(caption), place, tabIndex);
}

} // namespace velmora
