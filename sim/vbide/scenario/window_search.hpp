#pragma once

#include <functional>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::sim::vbide {

// Windows of this process, found as a user finds them: by caption, by the text of a button, by
// kind and position on a form.

// The visible top-level windows of this process, from the top of the Z order down.
std::vector<HWND> visibleTopLevelWindows();
std::wstring windowText(HWND window);
std::wstring className(HWND window);
// A button or menu text without its access-key marks: "はい(&Y)" reads "はい", "&Yes" "Yes".
std::wstring plainText(const std::wstring& text);

// The first visible top-level window of this process with exactly that caption, or null.
HWND findTopLevel(const std::wstring& caption);
// The first visible message box (a dialog of class #32770) of this process, or null.
HWND findMessageBox();
// A button of `parent` whose plain text is `text`, or (for message boxes) whose command is the
// one that text stands for (OK, はい/Yes, いいえ/No, キャンセル/Cancel...); null when none.
HWND findButton(HWND parent, const std::wstring& text);
// The static texts of a window, joined by line breaks (the message of a message box).
std::wstring staticTexts(HWND window);

// A control of `parent` as a scenario names it: "3" (the third text box), "Edit:2" or
// "ComboBox:1" (the n-th control of that window class, in the order the children stand),
// "Edit" (the
// first of that class), or "id:1001" (the control with that identifier). Null when none.
HWND findControl(HWND parent, const std::wstring& name);

// Polls `found` until it gives a window or `timeout` milliseconds have passed.
HWND waitForWindow(const std::function<HWND()>& found, DWORD timeout);

} // namespace velmora::sim::vbide
