#include "forms/form_layout.hpp"

#include "support/error.hpp"
#include "support/utf.hpp"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

namespace velmora::win32 {

namespace {

int creationGroup(const ControlSpec& spec) {
  if (spec.kind == ControlKind::Frame) {
    return 2;
  }
  return takesFocus(spec.kind) && spec.tabIndex >= 0 ? 0 : 1;
}

std::u16string describe(const ControlSpec& spec) {
  std::string name = spec.name;
  if (spec.index >= 0) {
    name += "(" + std::to_string(spec.index) + ")";
  }
  return fromUtf8(name);
}

// The control's place in twips relative to the form, through any frames holding it.
TwipRect formPlace(const ControlSpec& spec,
                   const std::map<std::string, const ControlSpec*>& frames) {
  TwipRect place = spec.place;
  const ControlSpec* inner = &spec;
  for (std::size_t depth = 0; !inner->parent.empty(); ++depth) {
    const auto frame = frames.find(inner->parent);
    if (frame == frames.end() || depth > frames.size()) {
      throw Error(u"フレームが見つかりません: " + describe(*inner));
    }
    inner = frame->second;
    place.left += inner->place.left;
    place.top += inner->place.top;
  }
  return place;
}

} // namespace

bool takesFocus(ControlKind kind) {
  switch (kind) {
  case ControlKind::Button:
  case ControlKind::CheckBox:
  case ControlKind::TextBox:
  case ControlKind::ListBox:
  case ControlKind::ComboBox:
  case ControlKind::ListView:
    return true;
  default:
    return false;
  }
}

std::vector<PlacedControl> layOut(const FormSpec& form, const ScreenScale& scale) {
  std::map<std::pair<std::string, int>, const ControlSpec*> named;
  std::map<std::string, const ControlSpec*> frames;
  for (const auto& spec : form.controls) {
    if (!named.emplace(std::make_pair(spec.name, spec.index), &spec).second) {
      throw Error(u"コントロール名が重複しています: " + describe(spec));
    }
    if (spec.kind == ControlKind::Frame) {
      frames.emplace(spec.name, &spec);
    }
  }
  std::vector<PlacedControl> placed;
  placed.reserve(form.controls.size());
  for (const auto& spec : form.controls) {
    placed.push_back({&spec, scale.rect(formPlace(spec, frames))});
  }
  std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) {
    const int groupA = creationGroup(*a.spec);
    const int groupB = creationGroup(*b.spec);
    if (groupA != groupB) {
      return groupA < groupB;
    }
    return groupA == 0 && a.spec->tabIndex < b.spec->tabIndex;
  });
  return placed;
}

} // namespace velmora::win32
