#pragma once

#include "ports/form.hpp"
#include "ports/form_layout.hpp"
#include "sim/forms/scripted_controls.hpp"

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace velmora::sim {

class ScriptedToolkit;

// A form of the scripted toolkit: the code under test sees the Form port; a test acts as the
// user through the driving members (click, type, Enter, Esc, the close box), which respect what
// a real user could do: only shown forms and enabled controls react.
class ScriptedForm final : public Form {
public:
  ScriptedForm(ScriptedToolkit& toolkit, const FormSpec& spec);
  ~ScriptedForm() override;
  ScriptedForm(const ScriptedForm&) = delete;
  ScriptedForm& operator=(const ScriptedForm&) = delete;

  // The port.
  Label& label(std::string_view name, int index = -1) override;
  Button& button(std::string_view name, int index = -1) override;
  CheckBox& checkBox(std::string_view name, int index = -1) override;
  TextBox& textBox(std::string_view name, int index = -1) override;
  ListBox& listBox(std::string_view name, int index = -1) override;
  ComboBox& comboBox(std::string_view name, int index = -1) override;
  ListView& listView(std::string_view name, int index = -1) override;
  PictureBox& pictureBox(std::string_view name, int index = -1) override;
  Timer& timer(std::string_view name, int index = -1) override;
  WindowHandle handle() const override { return handle_; }
  bool visible() const override { return visible_; }
  void showModal() override;
  void hide() override;
  void unload() override;
  bool unloaded() const override { return unloaded_; }
  void onQueryUnload(EventHandler handler) override { queryUnload_ = std::move(handler); }
  void onCloseBox(EventHandler handler) override { closeBox_ = std::move(handler); }

  // The user.
  void click(std::string_view name, int index = -1);
  void type(std::string_view name, const std::u16string& text, int index = -1);
  void focus(std::string_view name, int index = -1);
  void pick(std::string_view name, int item, int index = -1);
  void doubleClick(std::string_view name, int item, int index = -1);
  void pickRow(std::string_view name, int row, int index = -1);
  void pressEnter();
  void pressEsc();
  void pressCloseBox();

  // Inspection.
  const FormSpec& spec() const { return spec_; }
  std::string focusedControl() const;
  ScriptedTextBox& scriptedTextBox(std::string_view name, int index = -1);
  ScriptedTimer& scriptedTimer(std::string_view name, int index = -1);
  ScriptedToolkit& toolkit() { return toolkit_; }

  // Used by the controls.
  void moveFocusTo(ScriptedControlBase& control);

private:
  using Key = std::pair<std::string, int>;

  template <typename T> T& find(std::string_view name, int index);
  ScriptedControlBase& base(std::string_view name, int index);
  void requireShown(const char* action) const;
  void requireLoaded() const;
  ScriptedButton* buttonWhere(bool ControlSpec::*flag);

  ScriptedToolkit& toolkit_;
  FormSpec spec_;
  std::map<Key, std::unique_ptr<ScriptedControlBase>> controls_;
  std::map<Key, std::unique_ptr<ScriptedTimer>> timers_;
  ScriptedControlBase* focused_ = nullptr;
  WindowHandle handle_ = 0;
  bool visible_ = false;
  bool unloaded_ = false;
  int modalDepth_ = 0;
  EventHandler queryUnload_;
  EventHandler closeBox_;
};

} // namespace velmora::sim
