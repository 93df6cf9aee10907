#include "services/win32_window_procedures.hpp"

#include "services/handle_values.hpp"
#include "services/subclass_layers.hpp"

namespace velmora::win32 {

namespace {

// The layers running on this thread, innermost first: a procedure that calls the procedure it
// displaced, when that is a layer of ours too, reaches the layer under its own.
struct RunningLayer {
  HWND window;
  const SubclassLayerPtr* layer;
  RunningLayer* outer;
};
thread_local RunningLayer* innermost = nullptr;

class Running {
public:
  Running(HWND window, const SubclassLayerPtr& layer) : frame_{window, &layer, innermost} {
    innermost = &frame_;
  }
  ~Running() { innermost = frame_.outer; }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;

private:
  RunningLayer frame_;
};

SubclassLayerPtr runningLayerOf(HWND window) {
  for (RunningLayer* frame = innermost; frame != nullptr; frame = frame->outer) {
    if (frame->window == window) {
      return *frame->layer;
    }
  }
  return nullptr;
}

LRESULT defaultProcedure(const WindowMessage& message) {
  auto* window = windowFromHandle(message.window);
  const auto wParam = static_cast<WPARAM>(message.wParam);
  const auto lParam = static_cast<LPARAM>(message.lParam);
  return IsWindowUnicode(window) != FALSE ? DefWindowProcW(window, message.message, wParam, lParam)
                                          : DefWindowProcA(window, message.message, wParam, lParam);
}

LRESULT runLayer(const SubclassLayerPtr& layer, const WindowMessage& message) {
  const Running running(windowFromHandle(message.window), layer);
  try {
    return layer->procedure(message);
  } catch (...) {
    // Nothing may unwind into the system's code; the message counts as handled.
    return 0;
  }
}

LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
  const WindowMessage call{reinterpret_cast<WindowHandle>(window), message,
                           static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam)};
  LRESULT result = 0;
  try {
    const SubclassLayerPtr layer = SubclassLayers::instance().top(window);
    result = layer ? runLayer(layer, call) : defaultProcedure(call);
    if (message == WM_NCDESTROY) {
      SubclassLayers::instance().forget(window);
    }
  } catch (...) {
    // Only the table's own bookkeeping can get here (out of memory, a failing lock).
  }
  return result;
}

const auto kSubclassProcedure = reinterpret_cast<LONG_PTR>(&subclassProcedure);

LONG_PTR setProcedure(HWND window, LONG_PTR procedure, bool unicode) {
  return unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                 : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
}

bool isUnicode(HWND window, const SubclassLayerPtr& layer) {
  return layer ? layer->unicode : IsWindowUnicode(window) != FALSE;
}

} // namespace

Win32WindowProcedures::~Win32WindowProcedures() {
  SubclassLayers& layers = SubclassLayers::instance();
  for (const auto& [window, lowest] : layers.lowestOf(this)) {
    if (IsWindow(window) != FALSE) {
      setProcedure(window, reinterpret_cast<LONG_PTR>(lowest->previous), lowest->unicode);
    }
    layers.dropFrom(window, lowest.get());
  }
}

WindowProcedures::Previous Win32WindowProcedures::replace(WindowHandle window,
                                                          Procedure procedure) {
  auto* handle = windowFromHandle(window);
  if (!procedure || IsWindow(handle) == FALSE) {
    lastError_ = !procedure ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE;
    return 0;
  }
  auto layer = std::make_shared<SubclassLayer>();
  layer->procedure = std::move(procedure);
  layer->unicode = IsWindowUnicode(handle) != FALSE;
  layer->owner = this;
  SetLastError(ERROR_SUCCESS);
  const LONG_PTR previous = setProcedure(handle, kSubclassProcedure, layer->unicode);
  if (previous == 0) {
    lastError_ = GetLastError();
    return 0;
  }
  lastError_ = 0;
  layer->previous = procedureFromValue(static_cast<LONG_PTR>(previous));
  SubclassLayers::instance().push(handle, std::move(layer));
  return static_cast<Previous>(previous);
}

void Win32WindowProcedures::restore(WindowHandle window, Previous previous) {
  if (previous == 0) {
    return;
  }
  auto* handle = windowFromHandle(window);
  SubclassLayers& layers = SubclassLayers::instance();
  if (IsWindow(handle) != FALSE) {
    setProcedure(handle, static_cast<LONG_PTR>(previous), isUnicode(handle, layers.top(handle)));
  }
  const auto procedure = procedureFromValue(static_cast<LONG_PTR>(previous));
  if (const SubclassLayerPtr undone = layers.displacing(handle, procedure)) {
    layers.dropFrom(handle, undone.get());
  } else if (static_cast<LONG_PTR>(previous) != kSubclassProcedure) {
    layers.forget(handle);
  }
}

std::intptr_t Win32WindowProcedures::callPrevious(Previous previous, const WindowMessage& message) {
  auto* window = windowFromHandle(message.window);
  const SubclassLayerPtr running = runningLayerOf(window);
  if (static_cast<LONG_PTR>(previous) == kSubclassProcedure) {
    // The displaced procedure is a layer of ours: the one under the running layer, or the
    // window's top layer when called from outside its procedures.
    SubclassLayers& layers = SubclassLayers::instance();
    const SubclassLayerPtr next =
        running ? layers.below(window, running.get()) : layers.top(window);
    return next ? runLayer(next, message) : defaultProcedure(message);
  }
  const auto procedure = procedureFromValue(static_cast<LONG_PTR>(previous));
  const auto wParam = static_cast<WPARAM>(message.wParam);
  const auto lParam = static_cast<LPARAM>(message.lParam);
  return isUnicode(window, running)
             ? CallWindowProcW(procedure, window, message.message, wParam, lParam)
             : CallWindowProcA(procedure, window, message.message, wParam, lParam);
}

} // namespace velmora::win32
