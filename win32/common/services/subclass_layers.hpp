#pragma once

#include "ports/window_procedure.hpp"

#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>
#include <windows.h>

namespace velmora::win32 {

// One replacement of a window's procedure by this module: the C++ procedure that now runs, the
// procedure it displaced, and the character set it was installed with, which is the set the
// window's messages reach it in and the set the displaced procedure is called and put back in.
struct SubclassLayer {
  WindowProcedures::Procedure procedure;
  WNDPROC previous = nullptr;
  bool unicode = false;
  const void* owner = nullptr; // the adapter that installed it
};

using SubclassLayerPtr = std::shared_ptr<const SubclassLayer>;

// The windows whose procedure this module replaced, each with its layers from the first
// replacement up. One table for the whole module (the shared window procedure finds its C++
// procedure here by window handle); safe to use from several threads. A layer stays alive while
// it runs, even when it is taken out of the table meanwhile.
class SubclassLayers {
public:
  static SubclassLayers& instance();

  void push(HWND window, SubclassLayerPtr layer);
  // The layer that runs when the window gets a message; null when the window has none.
  SubclassLayerPtr top(HWND window) const;
  // The layer right under `layer`; null at the bottom or when `layer` is no longer there.
  SubclassLayerPtr below(HWND window, const SubclassLayer* layer) const;
  // The topmost layer that displaced `previous`; null when none did.
  SubclassLayerPtr displacing(HWND window, WNDPROC previous) const;
  // Takes `layer` and every layer above it out.
  void dropFrom(HWND window, const SubclassLayer* layer);
  // Takes every layer of the window out (it is destroyed, or got a procedure of someone else).
  void forget(HWND window);
  // For every window with a layer of `owner`: the lowest such layer.
  std::vector<std::pair<HWND, SubclassLayerPtr>> lowestOf(const void* owner) const;

private:
  mutable std::mutex mutex_;
  std::unordered_map<HWND, std::vector<SubclassLayerPtr>> windows_;
};

} // namespace velmora::win32
