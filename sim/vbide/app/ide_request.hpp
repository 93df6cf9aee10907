#pragma once

#include <functional>
#include <memory>
#include <string>
#include <windows.h>

namespace velmora::sim::vbide {

// Work handed to the IDE's thread. `work` runs there and returns text for the caller (or
// throws; the failure's description is kept). Everything it needs must be captured by value:
// a caller that stops waiting leaves the request behind, and it may still run later.
struct IdeRequest {
  explicit IdeRequest(std::function<std::string()> work);
  IdeRequest(const IdeRequest&) = delete;
  IdeRequest& operator=(const IdeRequest&) = delete;
  ~IdeRequest();

  // Runs the work, keeps its outcome and signals `done`. Never throws.
  void perform() noexcept;

  std::function<std::string()> work;
  HANDLE done; // manual-reset event, set once performed
  bool failed = false;
  std::string output; // the work's text, or the failure's description (UTF-8)
};

// The message that carries a request to the IDE's main window; its lParam is a heap-allocated
// std::shared_ptr<IdeRequest> that the receiver takes over.
inline constexpr UINT kIdeRequestMessage = WM_APP + 0x40;

// Posts `request` to `window`; false when the window's queue refused it.
bool postRequest(HWND window, const std::shared_ptr<IdeRequest>& request);
// Takes over the request carried by a kIdeRequestMessage.
std::shared_ptr<IdeRequest> takeRequest(LPARAM carried);

} // namespace velmora::sim::vbide
