#pragma once

#include <atomic>
#include <vector>
#include <windows.h>

namespace velmora::sim::vbide {

// Sees keys that the scenario typed arrive: a message hook on the IDE's threads notes when the
// release of an armed key, sent with kMarker as its extra information, is taken from a queue
// by any message loop (the IDE's or a dialog's). Messages posted before that key reached the
// queue (a hotkey's WM_HOTKEY) have been taken by then. One watch per process.
class KeyWatch {
public:
  static constexpr ULONG_PTR kMarker = 0x56424944;

  KeyWatch();
  ~KeyWatch();
  KeyWatch(const KeyWatch&) = delete;
  KeyWatch& operator=(const KeyWatch&) = delete;

  // Watches the message loops of a thread of this process.
  bool watchThread(DWORD threadId);
  // Waits for the release of `virtualKey` from now on.
  void arm(UINT virtualKey);
  // Whether the armed release arrived within `timeout` milliseconds.
  bool wait(DWORD timeout);

private:
  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);

  std::vector<HHOOK> hooks_;
  std::atomic<UINT> armed_{0};
  HANDLE seen_;
};

} // namespace velmora::sim::vbide
