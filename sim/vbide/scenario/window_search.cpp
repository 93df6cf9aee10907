#include "sim/vbide/scenario/window_search.hpp"

#include "forms/handle_cast.hpp"
#include "sim/vbide/scenario/poll.hpp"

#include <array>
#include <cwchar>
#include <cwctype>

namespace velmora::sim::vbide {

namespace {

BOOL CALLBACK collect(HWND window, LPARAM into) {
  win32::fromInteger<std::vector<HWND>*>(into)->push_back(window);
  return TRUE;
}

std::vector<HWND> children(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, &collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool sameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return _wcsicmp(a.c_str(), b.c_str()) == 0;
}

// The command a message-box button text stands for, in Japanese or in English; 0 for none.
int commandOf(const std::wstring& text) {
  struct Command {
    const wchar_t* japanese;
    const wchar_t* english;
    int id;
  };
  static constexpr std::array<Command, 7> commands = {{
      {L"OK", L"OK", IDOK},
      {L"キャンセル", L"Cancel", IDCANCEL},
      {L"中止", L"Abort", IDABORT},
      {L"再試行", L"Retry", IDRETRY},
      {L"無視", L"Ignore", IDIGNORE},
      {L"はい", L"Yes", IDYES},
      {L"いいえ", L"No", IDNO},
  }};
  for (const Command& command : commands) {
    if (sameIgnoringCase(text, command.japanese) || sameIgnoringCase(text, command.english)) {
      return command.id;
    }
  }
  return 0;
}

} // namespace

std::vector<HWND> visibleTopLevelWindows() {
  std::vector<HWND> all;
  EnumWindows(&collect, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> ours;
  const DWORD process = GetCurrentProcessId();
  for (HWND window : all) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process && IsWindowVisible(window)) {
      ours.push_back(window);
    }
  }
  return ours;
}

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return {name, length > 0 ? static_cast<std::size_t>(length) : 0};
}

std::wstring plainText(const std::wstring& text) {
  // "(&Y)" after the text goes as a whole; elsewhere "&" marks the next character and "&&"
  // stands for itself.
  std::wstring base = text;
  const std::size_t size = base.size();
  if (size >= 4 && base[size - 4] == L'(' && base[size - 3] == L'&' && base[size - 1] == L')') {
    base.resize(size - 4);
  }
  std::wstring plain;
  for (std::size_t i = 0; i < base.size(); ++i) {
    if (base[i] != L'&') {
      plain += base[i];
    } else if (i + 1 < base.size() && base[i + 1] == L'&') {
      plain += L'&';
      ++i;
    }
  }
  while (!plain.empty() && plain.back() == L' ') {
    plain.pop_back();
  }
  return plain;
}

HWND findTopLevel(const std::wstring& caption) {
  for (HWND window : visibleTopLevelWindows()) {
    if (windowText(window) == caption) {
      return window;
    }
  }
  return nullptr;
}

HWND findMessageBox() {
  for (HWND window : visibleTopLevelWindows()) {
    if (className(window) == L"#32770") {
      return window;
    }
  }
  return nullptr;
}

HWND findButton(HWND parent, const std::wstring& text) {
  const std::wstring wanted = plainText(text);
  const int command = commandOf(wanted);
  HWND byCommand = nullptr;
  for (HWND child : children(parent)) {
    if (!sameIgnoringCase(className(child), L"Button") || !IsWindowVisible(child)) {
      continue;
    }
    if (plainText(windowText(child)) == wanted) {
      return child;
    }
    if (byCommand == nullptr && command != 0 && GetDlgCtrlID(child) == command &&
        className(parent) == L"#32770") {
      byCommand = child;
    }
  }
  return byCommand;
}

std::wstring staticTexts(HWND window) {
  std::wstring texts;
  for (HWND child : children(window)) {
    if (sameIgnoringCase(className(child), L"Static")) {
      const std::wstring text = windowText(child);
      if (!text.empty()) {
        texts += texts.empty() ? text : L"\n" + text;
      }
    }
  }
  return texts;
}

HWND findControl(HWND parent, const std::wstring& name) {
  const std::vector<HWND> all = children(parent);
  if (name.rfind(L"id:", 0) == 0) {
    const int id = _wtoi(name.c_str() + 3);
    for (HWND child : all) {
      if (GetDlgCtrlID(child) == id) {
        return child;
      }
    }
    return nullptr;
  }
  std::wstring kind = L"Edit";
  int position = 1;
  const auto colon = name.find(L':');
  if (!name.empty() && std::iswdigit(name[0])) {
    position = _wtoi(name.c_str());
  } else if (colon != std::wstring::npos) {
    kind = name.substr(0, colon);
    position = _wtoi(name.c_str() + colon + 1);
  } else {
    kind = name;
  }
  for (HWND child : all) {
    if (sameIgnoringCase(className(child), kind) && --position == 0) {
      return child;
    }
  }
  return nullptr;
}

HWND waitForWindow(const std::function<HWND()>& found, DWORD timeout) {
  HWND window = nullptr;
  waitUntil([&] { return (window = found()) != nullptr; }, timeout);
  return window;
}

} // namespace velmora::sim::vbide
