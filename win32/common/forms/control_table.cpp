#include "forms/control_table.hpp"

#include "support/error.hpp"
#include "support/utf.hpp"

namespace velmora::win32 {

namespace {

std::u16string describe(std::string_view name, int index) {
  std::string text(name);
  if (index >= 0) {
    text += "(" + std::to_string(index) + ")";
  }
  return fromUtf8(text);
}

} // namespace

void ControlTable::add(const ControlSpec& spec, int id, std::unique_ptr<FormControl> control) {
  entries_.push_back({spec, id, std::move(control)});
}

FormControl& ControlTable::find(std::string_view name, int index, ControlKind kind) const {
  for (const auto& entry : entries_) {
    if (entry.spec.name == name && entry.spec.index == index) {
      if (entry.spec.kind != kind) {
        throw Error(u"コントロールの種類が違います: " + describe(name, index));
      }
      return *entry.control;
    }
  }
  throw Error(u"コントロールが見つかりません: " + describe(name, index));
}

FormControl* ControlTable::byId(int id) const {
  for (const auto& entry : entries_) {
    if (entry.id == id) {
      return entry.control.get();
    }
  }
  return nullptr;
}

const ControlSpec* ControlTable::specOf(HWND window) const {
  if (window == nullptr) {
    return nullptr;
  }
  for (const auto& entry : entries_) {
    if (entry.control->window() == window) {
      return &entry.spec;
    }
  }
  return nullptr;
}

} // namespace velmora::win32
