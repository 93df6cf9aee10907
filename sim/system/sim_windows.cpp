#include "sim/system/sim_windows.hpp"

#include "sim/system/sim_message_queue.hpp"

#include <stdexcept>
#include <utility>

namespace velmora::sim {
namespace {

constexpr WindowHandle kHandleStep = 4;
constexpr SimWindows::ProcedureId kProcedureStep = 0x10;

} // namespace

WindowHandle SimWindows::create(SimMessageQueue& owner, std::string title, WindowHandle parent) {
  if (parent != 0 && live(parent) == nullptr) {
    return 0;
  }
  const WindowHandle handle = nextHandle_;
  nextHandle_ += kHandleStep;
  Window& window = windows_[handle];
  window.title = std::move(title);
  window.parent = parent;
  window.owner = &owner;
  window.original = add(handle, [this, handle](const WindowMessage& message) -> std::intptr_t {
    windows_.at(handle).defaultSaw.push_back(message);
    return 0;
  });
  window.current = window.original;
  return handle;
}

bool SimWindows::destroy(WindowHandle handle) {
  Window* window = live(handle);
  if (window == nullptr || window->destroying) {
    return false;
  }
  window->destroying = true;
  send({handle, kWmDestroy, 0, 0});
  std::vector<WindowHandle> children;
  for (const auto& [child, record] : windows_) {
    if (record.alive && record.parent == handle) {
      children.push_back(child);
    }
  }
  for (const WindowHandle child : children) {
    destroy(child);
  }
  send({handle, kWmNcDestroy, 0, 0});

  window = &windows_.at(handle);
  if (window->current != window->original) {
    hooksLeft_.push_back(handle);
  }
  window->alive = false;
  for (const ProcedureId id : window->procedures) {
    procedures_.erase(id);
  }
  window->procedures.clear();
  for (const auto& listener : destroyListeners_) {
    listener(handle);
  }
  return true;
}

void SimWindows::onDestroy(std::function<void(WindowHandle)> listener) {
  destroyListeners_.push_back(std::move(listener));
}

bool SimWindows::isWindow(WindowHandle window) const {
  return live(window) != nullptr;
}

bool SimWindows::setEnabled(WindowHandle handle, bool enabled) {
  Window* window = live(handle);
  if (window == nullptr) {
    return false;
  }
  return !std::exchange(window->enabled, enabled);
}

bool SimWindows::isEnabled(WindowHandle handle) const {
  const Window* window = live(handle);
  return window != nullptr && window->enabled;
}

SimMessageQueue* SimWindows::owner(WindowHandle window) const {
  const Window* found = live(window);
  return found == nullptr ? nullptr : found->owner;
}

std::vector<WindowHandle> SimWindows::topLevelWindows(const SimMessageQueue& owner) const {
  std::vector<WindowHandle> result;
  for (const auto& [handle, window] : windows_) {
    if (window.alive && window.parent == 0 && window.owner == &owner) {
      result.push_back(handle);
    }
  }
  return result;
}

SimWindows::ProcedureId SimWindows::install(WindowHandle handle, Procedure procedure) {
  if (live(handle) == nullptr) {
    return 0;
  }
  const ProcedureId id = add(handle, std::move(procedure));
  Window& window = windows_.at(handle);
  return std::exchange(window.current, id);
}

bool SimWindows::setCurrent(WindowHandle handle, ProcedureId procedure) {
  Window* window = live(handle);
  if (window == nullptr) {
    return false;
  }
  if (!procedures_.contains(procedure)) {
    throw std::logic_error("installing a window procedure that does not exist");
  }
  window->current = procedure;
  return true;
}

std::intptr_t SimWindows::call(ProcedureId procedure, const WindowMessage& message) {
  const auto found = procedures_.find(procedure);
  if (found == procedures_.end()) {
    throw std::logic_error("calling a window procedure that does not exist");
  }
  // Held for the call: the procedure may destroy its own window.
  const std::shared_ptr<const Procedure> held = found->second;
  return (*held)(message);
}

std::intptr_t SimWindows::send(const WindowMessage& message) {
  const Window* window = live(message.window);
  if (window == nullptr) {
    return 0;
  }
  return call(window->current, message);
}

bool SimWindows::post(const WindowMessage& message) {
  const Window* window = live(message.window);
  if (window == nullptr) {
    return false;
  }
  window->owner->enqueue(message);
  return true;
}

const std::string& SimWindows::title(WindowHandle window) const {
  return record(window).title;
}

WindowHandle SimWindows::parent(WindowHandle window) const {
  return record(window).parent;
}

bool SimWindows::hasOriginalProcedure(WindowHandle window) const {
  const Window& found = record(window);
  return found.current == found.original;
}

const std::vector<WindowMessage>& SimWindows::defaultProcedureMessages(WindowHandle window) const {
  return record(window).defaultSaw;
}

std::size_t SimWindows::liveCount() const {
  std::size_t count = 0;
  for (const auto& [handle, window] : windows_) {
    count += window.alive ? 1 : 0;
  }
  return count;
}

SimWindows::Window* SimWindows::live(WindowHandle window) {
  const auto found = windows_.find(window);
  return found == windows_.end() || !found->second.alive ? nullptr : &found->second;
}

const SimWindows::Window* SimWindows::live(WindowHandle window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() || !found->second.alive ? nullptr : &found->second;
}

const SimWindows::Window& SimWindows::record(WindowHandle window) const {
  const auto found = windows_.find(window);
  if (found == windows_.end()) {
    throw std::invalid_argument("not a window of this desktop");
  }
  return found->second;
}

SimWindows::ProcedureId SimWindows::add(WindowHandle window, Procedure procedure) {
  if (!procedure) {
    throw std::invalid_argument("an empty window procedure");
  }
  const ProcedureId id = nextProcedure_;
  nextProcedure_ += kProcedureStep;
  procedures_.emplace(id, std::make_shared<const Procedure>(std::move(procedure)));
  windows_.at(window).procedures.push_back(id);
  return id;
}

} // namespace velmora::sim
