#include "forms/win32_form.hpp"

#include "forms/control_factory.hpp"
#include "forms/form_layout.hpp"
#include "forms/handle_cast.hpp"
#include "forms/modal_loop.hpp"
#include "forms/unhandled_error.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

namespace velmora::win32 {

namespace {

// Control identifiers start above the dialog commands IDOK and IDCANCEL, which Enter and Esc
// send when the form has no default or cancel button.
constexpr int kFirstControlId = 100;

COLORREF colourRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

bool canTakeFocus(HWND window) {
  return IsWindowVisible(window) != FALSE && IsWindowEnabled(window) != FALSE;
}

void detach(HWND window) {
  SetWindowLongPtrW(window, 0, 0);
}

} // namespace

Win32Form::Win32Form(const FormSpec& spec, const FormEnvironment& environment)
    : environment_(environment), name_(spec.name), fonts_(ScreenScale::ofScreen()) {
  const ScreenScale scale = ScreenScale::ofScreen();
  const std::vector<PlacedControl> placed = layOut(spec, scale);
  window_ = createFormWindow(spec, scale, environment_, this);
  try {
    icons_ = setFormIcons(window_, spec.icon);
    const ControlContext context{window_, &fonts_, this};
    HWND above = HWND_TOP;
    int id = kFirstControlId;
    for (const auto& [control, pixels] : placed) {
      std::unique_ptr<FormControl> made = createControl(*control, pixels, id, context);
      // Creation order is the order on the screen, and so the keyboard order.
      if (HWND child = made->window()) {
        SetWindowPos(child, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = child;
      }
      if (control->kind == ControlKind::Button && control->isDefault && defaultId_ == 0) {
        defaultId_ = id;
      }
      if (control->kind == ControlKind::Button && control->isCancel && cancelId_ == 0) {
        cancelId_ = id;
      }
      controls_.add(*control, id, std::move(made));
      ++id;
    }
  } catch (...) {
    detach(window_);
    DestroyWindow(window_);
    window_ = nullptr;
    throw;
  }
}

Win32Form::~Win32Form() {
  *alive_ = false;
  endModality();
  if (window_ != nullptr) {
    detach(window_);
    DestroyWindow(window_);
  }
}

template <typename Port> Port& Win32Form::find(std::string_view name, int index, ControlKind kind) {
  requireLoaded();
  return dynamic_cast<Port&>(controls_.find(name, index, kind));
}

Label& Win32Form::label(std::string_view name, int index) {
  return find<Label>(name, index, ControlKind::Label);
}
Button& Win32Form::button(std::string_view name, int index) {
  return find<Button>(name, index, ControlKind::Button);
}
CheckBox& Win32Form::checkBox(std::string_view name, int index) {
  return find<CheckBox>(name, index, ControlKind::CheckBox);
}
TextBox& Win32Form::textBox(std::string_view name, int index) {
  return find<TextBox>(name, index, ControlKind::TextBox);
}
ListBox& Win32Form::listBox(std::string_view name, int index) {
  return find<ListBox>(name, index, ControlKind::ListBox);
}
ComboBox& Win32Form::comboBox(std::string_view name, int index) {
  return find<ComboBox>(name, index, ControlKind::ComboBox);
}
ListView& Win32Form::listView(std::string_view name, int index) {
  return find<ListView>(name, index, ControlKind::ListView);
}
PictureBox& Win32Form::pictureBox(std::string_view name, int index) {
  return find<PictureBox>(name, index, ControlKind::PictureBox);
}
Timer& Win32Form::timer(std::string_view name, int index) {
  return find<Timer>(name, index, ControlKind::Timer);
}

WindowHandle Win32Form::handle() const {
  requireLoaded();
  return reinterpret_cast<WindowHandle>(window_);
}

bool Win32Form::visible() const {
  requireLoaded();
  return IsWindowVisible(window_) != FALSE;
}

void Win32Form::showModal() {
  requireLoaded();
  if (IsWindowVisible(window_) != FALSE) {
    throw Error(u"既に表示されているフォームはモーダル表示できません。");
  }
  const std::shared_ptr<bool> alive = alive_;
  HWND previous = GetActiveWindow();
  modality_ = std::make_unique<ThreadModality>(window_);
  // Showing activates the form, which puts the focus on its control (and may run events).
  ShowWindow(window_, SW_SHOWNORMAL);
  if (*alive && !unloaded_) {
    SetForegroundWindow(window_);
  }
  if (*alive && !unloaded_ && IsChild(window_, GetFocus()) == FALSE) {
    restoreFocus();
  }
  runModalLoop([this, &alive] { return *alive && !unloaded_ && IsWindowVisible(window_) != FALSE; },
               environment_.classAtom);
  if (!*alive) {
    return;
  }
  endModality();
  // Back to the window that was active before, as a dialog does.
  const bool stillShown = !unloaded_ && IsWindowVisible(window_) != FALSE;
  if (!stillShown && previous != nullptr && IsWindow(previous) != FALSE && canTakeFocus(previous)) {
    SetActiveWindow(previous);
  }
}

void Win32Form::hide() {
  requireLoaded();
  keepFocus();
  endModality();
  ShowWindow(window_, SW_HIDE);
}

void Win32Form::unload() {
  if (unloaded_ || unloading_) {
    return;
  }
  unloading_ = true;
  const std::shared_ptr<bool> alive = alive_;
  try {
    raise(queryUnload_);
  } catch (...) {
    // The unload goes ahead all the same; the caller learns of the failure.
    if (*alive) {
      destroyWindow();
    }
    throw;
  }
  if (*alive) {
    destroyWindow();
  }
}

void Win32Form::requireLoaded() const {
  if (unloaded_) {
    throw Error(u"フォームはアンロードされています: " + fromUtf8(name_));
  }
}

LRESULT CALLBACK Win32Form::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = fromInteger<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = fromInteger<Win32Form*>(GetWindowLongPtrW(window, 0));
  if (form == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return form->handleMessage(window, message, wParam, lParam);
  } catch (...) {
    reportUnhandledException();
    return 0;
  }
}

// Every branch that raises an event returns at once: the event may have destroyed the form.
LRESULT Win32Form::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_COMMAND:
    command(LOWORD(wParam), HIWORD(wParam));
    return 0;
  case WM_TIMER:
    if (FormControl* timer = controls_.byId(static_cast<int>(wParam))) {
      timer->timerFired();
      return 0;
    }
    break;
  case WM_DRAWITEM:
    if (FormControl* control = controls_.byId(static_cast<int>(wParam))) {
      control->draw(*fromInteger<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    }
    break;
  case WM_CTLCOLORSTATIC:
    if (LRESULT brush = controlColour(fromInteger<HDC>(wParam), fromInteger<HWND>(lParam))) {
      return brush;
    }
    break;
  case DM_GETDEFID:
    return defaultId_ != 0 ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
  case WM_NEXTDLGCTL: {
    HWND next = lParam != 0 ? fromInteger<HWND>(wParam)
                            : GetNextDlgTabItem(window, GetFocus(), wParam != 0 ? TRUE : FALSE);
    if (next != nullptr) {
      SetFocus(next);
    }
    return 0;
  }
  case WM_ACTIVATE:
    if (LOWORD(wParam) == WA_INACTIVE) {
      keepFocus();
      return 0;
    }
    restoreFocus();
    return 0;
  case WM_CLOSE:
    closeRequested();
    return 0;
  case WM_NCDESTROY:
    // Destroyed from outside (its owner went): the form is unloaded without its events.
    detach(window);
    window_ = nullptr;
    unloaded_ = true;
    endModality();
    break;
  default:
    break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Form::command(WORD id, WORD code) {
  if (id == IDCANCEL) {
    // Esc: the cancel button's click, if the form has one.
    if (cancelId_ != 0) {
      controls_.byId(cancelId_)->notify(BN_CLICKED);
    }
    return;
  }
  if (id == IDOK) {
    return; // Enter on a form without a default button
  }
  if (FormControl* control = controls_.byId(id)) {
    control->notify(code);
  }
}

LRESULT Win32Form::controlColour(HDC dc, HWND control) {
  const ControlSpec* spec = controls_.specOf(control);
  if (spec == nullptr || !spec->foreColour) {
    return 0;
  }
  SetTextColor(dc, colourRef(*spec->foreColour));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Win32Form::focus(HWND control) {
  if (window_ != nullptr && IsWindowVisible(window_) != FALSE) {
    SetFocus(control);
  } else {
    focus_ = control;
  }
}

void Win32Form::keepFocus() {
  HWND focused = GetFocus();
  if (focused != nullptr && IsChild(window_, focused) != FALSE) {
    // A combo box's edit field stands for its combo box.
    while (GetParent(focused) != window_) {
      focused = GetParent(focused);
    }
    focus_ = focused;
  }
}

void Win32Form::restoreFocus() {
  HWND target = focus_;
  if (target == nullptr || IsWindow(target) == FALSE || IsChild(window_, target) == FALSE ||
      !canTakeFocus(target)) {
    target = firstTabStop();
  }
  SetFocus(target != nullptr ? target : window_);
}

HWND Win32Form::firstTabStop() const {
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0 && canTakeFocus(child)) {
      return child;
    }
  }
  return nullptr;
}

void Win32Form::closeRequested() {
  if (closeBox_) {
    raise(closeBox_);
  } else {
    unload();
  }
}

void Win32Form::endModality() {
  if (modality_) {
    // Reset first: enabling a window sends it messages, which may reach this form again.
    std::unique_ptr<ThreadModality> modality = std::move(modality_);
    modality->end();
  }
}

void Win32Form::destroyWindow() {
  unloading_ = false;
  unloaded_ = true;
  endModality();
  HWND window = window_;
  window_ = nullptr;
  if (window != nullptr) {
    detach(window);
    DestroyWindow(window);
  }
}

} // namespace velmora::win32
