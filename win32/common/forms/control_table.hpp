#pragma once

#include "forms/form_control.hpp"
#include "ports/form_layout.hpp"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::win32 {

// The controls of one form, found by name and control-array index (for the form's code), by
// identifier (for the window procedure) and by window.
class ControlTable {
public:
  void add(const ControlSpec& spec, int id, std::unique_ptr<FormControl> control);

  // Throws Error when the form has no control of that name and index, or one of another kind.
  FormControl& find(std::string_view name, int index, ControlKind kind) const;
  FormControl* byId(int id) const;
  const ControlSpec* specOf(HWND window) const;

private:
  struct Entry {
    ControlSpec spec;
    int id;
    std::unique_ptr<FormControl> control;
  };
  std::vector<Entry> entries_;
};

} // namespace velmora::win32
