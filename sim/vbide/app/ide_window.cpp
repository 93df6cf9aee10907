#include "sim/vbide/app/ide_window.hpp"

#include "forms/handle_cast.hpp"
#include "sim/vbide/app/console_log.hpp"

#include <stdexcept>
#include <string>

namespace velmora::sim::vbide {

namespace {

constexpr wchar_t kClassName[] = L"VbideSimMainWindow";
constexpr wchar_t kTitle[] = L"Microsoft Visual Basic [デザイン]";

BOOL CALLBACK redrawNow(HWND window, LPARAM /*unused*/) {
  if (IsWindowVisible(window)) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  return TRUE;
}

} // namespace

IdeWindow::IdeWindow(IdeLoop& loop, std::shared_ptr<VbeWorld> world)
    : loop_(loop), world_(std::move(world)),
      class_(kClassName, &IdeWindow::procedure, 0, COLOR_BTNFACE + 1) {
  window_ =
      CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                      CW_USEDEFAULT, 900, 640, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) {
    throw std::runtime_error("the IDE's main window cannot be created");
  }
  toolbar_ = std::make_unique<ToolbarStrip>(window_, world_->bars);
  code_ = std::make_unique<CodeView>(window_, world_->vbe);
  world_->bars->onChange([this] { toolbar_->invalidate(); });
}

IdeWindow::~IdeWindow() {
  world_->bars->onChange(nullptr);
  toolbar_.reset();
  code_.reset();
  if (window_ != nullptr && IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void IdeWindow::show() {
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
}

void IdeWindow::setProjectName(const std::u16string& name) {
  std::wstring title(name.begin(), name.end());
  title = title.empty() ? kTitle : title + L" - " + kTitle;
  SetWindowTextW(window_, title.c_str());
}

void IdeWindow::refresh() {
  if (window_ == nullptr || !IsWindow(window_)) {
    return;
  }
  if (toolbar_->refresh() || toolbar_->height() != toolbarHeight_) {
    layout();
  }
  code_->refresh();
}

void IdeWindow::layout() {
  RECT client{};
  GetClientRect(window_, &client);
  toolbarHeight_ = toolbar_->height();
  code_->place(0, toolbarHeight_, client.right, client.bottom - toolbarHeight_);
  InvalidateRect(window_, nullptr, TRUE);
}

void IdeWindow::post(std::function<std::string()> work) {
  postRequest(window_, std::make_shared<IdeRequest>(std::move(work)));
}

LRESULT CALLBACK IdeWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = win32::fromInteger<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<IdeWindow*>(create->lpCreateParams)->window_ = window;
  }
  auto* self = win32::fromInteger<IdeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return self->handle(message, wParam, lParam);
  } catch (const std::exception& error) {
    logIde(std::string("window procedure: ") + error.what());
  } catch (...) {
    logIde("window procedure: unknown failure");
  }
  return 0;
}

LRESULT IdeWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case kIdeRequestMessage:
    loop_.accept(takeRequest(lParam));
    return 0;
  case kActivateMessage:
    SetForegroundWindow(window_);
    return 0;
  case kRedrawMessage:
    EnumThreadWindows(GetCurrentThreadId(), &redrawNow, 0);
    return 0;
  case WM_ACTIVATEAPP:
    if (wParam != FALSE) {
      ++activations_.activated;
      logIde("the IDE is the active application");
    } else {
      ++activations_.deactivated;
      logIde("the IDE is no longer the active application");
    }
    break;
  case WM_COMMAND:
    if (HIWORD(wParam) == BN_CLICKED && toolbar_) {
      if (auto control = toolbar_->controlOf(LOWORD(wParam))) {
        post([this, control] {
          click(control);
          return std::string();
        });
        return 0;
      }
    }
    break;
  case WM_DRAWITEM:
    if (toolbar_ && toolbar_->draw(*win32::fromInteger<const DRAWITEMSTRUCT*>(lParam))) {
      return TRUE;
    }
    break;
  case WM_SIZE:
    if (toolbar_) {
      layout();
    }
    return 0;
  case WM_QUERYENDSESSION:
    return TRUE;
  case WM_ENDSESSION:
    if (wParam != FALSE && endSessionHandler_) {
      logIde("the session ends");
      const IdeLoop::Busy inside(loop_);
      endSessionHandler_();
    }
    return 0;
  case WM_CLOSE:
    post([this] {
      if (quitHandler_) {
        quitHandler_();
      } else {
        DestroyWindow(window_);
      }
      return std::string();
    });
    return 0;
  case WM_DESTROY:
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
    PostQuitMessage(0);
    return 0;
  default:
    break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace velmora::sim::vbide
