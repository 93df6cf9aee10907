#pragma once

#include "ports/controls.hpp"
#include "ports/window_handle.hpp"

#include <string_view>

namespace velmora {

// A loaded form: its window exists (hidden until shown) and its controls hold the layout's
// content. Controls are found by name and, for control arrays, index.
class Form {
public:
  virtual ~Form() = default;

  virtual Label& label(std::string_view name, int index = -1) = 0;
  virtual Button& button(std::string_view name, int index = -1) = 0;
  virtual CheckBox& checkBox(std::string_view name, int index = -1) = 0;
  virtual TextBox& textBox(std::string_view name, int index = -1) = 0;
  virtual ListBox& listBox(std::string_view name, int index = -1) = 0;
  virtual ComboBox& comboBox(std::string_view name, int index = -1) = 0;
  virtual ListView& listView(std::string_view name, int index = -1) = 0;
  virtual PictureBox& pictureBox(std::string_view name, int index = -1) = 0;
  virtual Timer& timer(std::string_view name, int index = -1) = 0;

  virtual WindowHandle handle() const = 0;
  virtual bool visible() const = 0;

  // Shows the form modally, without an owner; returns once the form is hidden or unloaded.
  virtual void showModal() = 0;
  virtual void hide() = 0;
  // Destroys the window: the query-unload handler runs first, then the form is gone and every
  // later call other than `unloaded` is refused. A modal showing returns.
  virtual void unload() = 0;
  virtual bool unloaded() const = 0;

  virtual void onQueryUnload(EventHandler handler) = 0;
  // The user closed the window through its close box. Without a handler the form unloads.
  virtual void onCloseBox(EventHandler handler) = 0;
};

} // namespace velmora
