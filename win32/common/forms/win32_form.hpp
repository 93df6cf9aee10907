#pragma once

#include "forms/control_table.hpp"
#include "forms/form_fonts.hpp"
#include "forms/form_window.hpp"
#include "forms/thread_modality.hpp"
#include "ports/form.hpp"

#include <memory>
#include <string>
#include <windows.h>

namespace velmora::win32 {

// A form built from its layout: a hidden top-level window from load (its handle is the
// form's window for messages such as WM_HOTKEY) holding the controls as child windows.
//
// Events run inside the window procedure and may do anything, including showing other forms
// modally and unloading or destroying this form; the procedure touches nothing of the form
// after an event, and catches what an event throws (the user is told; see unhandled_error).
//
// A modal showing is modal to the whole thread (see ThreadModality): the thread's other windows
// are disabled while the form is shown, enabled again just before it is hidden or destroyed (so
// that the activation can go back to them), and the window that was active before gets the
// activation back.
class Win32Form final : public Form, private FocusMemory {
public:
  Win32Form(const FormSpec& spec, const FormEnvironment& environment);
  // Destroying a loaded form takes its window down without the form's unload events.
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  Label& label(std::string_view name, int index) override;
  Button& button(std::string_view name, int index) override;
  CheckBox& checkBox(std::string_view name, int index) override;
  TextBox& textBox(std::string_view name, int index) override;
  ListBox& listBox(std::string_view name, int index) override;
  ComboBox& comboBox(std::string_view name, int index) override;
  ListView& listView(std::string_view name, int index) override;
  PictureBox& pictureBox(std::string_view name, int index) override;
  Timer& timer(std::string_view name, int index) override;

  WindowHandle handle() const override;
  bool visible() const override;

  // Refused (Error) while the form is already shown.
  void showModal() override;
  void hide() override;
  // Unloading an unloaded form does nothing.
  void unload() override;
  bool unloaded() const override { return unloaded_; }

  void onQueryUnload(EventHandler handler) override { queryUnload_ = std::move(handler); }
  void onCloseBox(EventHandler handler) override { closeBox_ = std::move(handler); }

  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
  template <typename Port> Port& find(std::string_view name, int index, ControlKind kind);
  void requireLoaded() const;

  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void command(WORD id, WORD code);
  LRESULT controlColour(HDC dc, HWND control);
  void focus(HWND control) override;
  void keepFocus();
  void restoreFocus();
  HWND firstTabStop() const;
  void closeRequested();
  void destroyWindow();
  void endModality();

  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  FormEnvironment environment_;
  std::string name_;
  FormFonts fonts_;
  FormIcons icons_;
  ControlTable controls_;
  HWND window_ = nullptr;
  HWND focus_ = nullptr; // the control that gets the focus when the form is shown or activated
  int defaultId_ = 0;
  int cancelId_ = 0;
  bool unloading_ = false;
  bool unloaded_ = false;
  EventHandler queryUnload_;
  EventHandler closeBox_;
  std::unique_ptr<ThreadModality> modality_; // while shown modally
};

} // namespace velmora::win32
