#pragma once

#include <functional>
#include <windows.h>

namespace velmora::win32 {

// Runs the thread's messages for as long as `keepRunning` says so, asked before every message.
// Keyboard messages of a form (a top-level window of class `formClass`) get the dialog
// treatment: Tab moves the focus in the keyboard order, Enter and Esc go to the form as the
// commands of its default and cancel buttons. A WM_QUIT ends the loop and is posted again for
// the loop outside. Loops nest: a handler may run another modal loop.
void runModalLoop(const std::function<bool()>& keepRunning, ATOM formClass);

} // namespace velmora::win32
