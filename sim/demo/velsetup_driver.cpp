// Runs Velsetup.exe and registers the add-in through its window as a user does: presses "登録",
// reads the message box it answers with, closes it. Exits 0 when the registration succeeded.
//
//   velsetup-driver.exe PATH\Velsetup.exe

#include <cstdio>
#include <string>
#include <windows.h>

namespace {

constexpr DWORD kPatienceMs = 15000;
constexpr DWORD kPollMs = 50;

std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring textOf(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return buffer;
}

struct Search {
  DWORD process;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK matchTopLevel(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->process && IsWindowVisible(window) && textOf(window) == search->caption) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// Waits, a bounded number of polls, for a visible window of the process with that caption.
HWND waitForWindow(DWORD process, const wchar_t* caption) {
  for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
    Search search{process, caption, nullptr};
    EnumWindows(&matchTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      return search.found;
    }
    Sleep(kPollMs);
  }
  return nullptr;
}

struct ChildSearch {
  const wchar_t* className;
  const wchar_t* text; // null: any text
  HWND found;
};

BOOL CALLBACK matchChild(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (lstrcmpiW(className, search->className) == 0 &&
      (search->text == nullptr || textOf(window) == search->text)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND child(HWND parent, const wchar_t* className, const wchar_t* text) {
  ChildSearch search{className, text, nullptr};
  EnumChildWindows(parent, &matchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int fail(const char* what) {
  std::printf("velsetup-driver: %s\n", what);
  return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    return fail("usage: velsetup-driver.exe PATH\\Velsetup.exe");
  }
  std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return fail("Velsetup.exe does not start");
  }
  CloseHandle(process.hThread);
  int result = 1;
  if (HWND form = waitForWindow(process.dwProcessId, L"ベルモラ登録")) {
    std::printf("velsetup-driver: %s shown, pressing %s\n", utf8(L"ベルモラ登録").c_str(),
                utf8(L"登録").c_str());
    HWND ok = child(form, L"Button", L"登録");
    if (ok == nullptr) {
      result = fail("no button 登録");
    } else {
      PostMessageW(ok, BM_CLICK, 0, 0);
      if (HWND box = waitForWindow(process.dwProcessId, L"ベルモラｾｯﾄｱｯﾌﾟ")) {
        HWND text = GetDlgItem(box, 0xFFFF);
        const std::wstring message = text != nullptr ? textOf(text) : L"";
        std::printf("velsetup-driver: message: %s\n", utf8(message).c_str());
        result = message == L"アドイン「ベルモラ」の登録成功" ? 0 : 1;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      } else {
        result = fail("no answer from Velsetup");
      }
    }
  } else {
    result = fail("Velsetup's window did not appear");
  }
  if (WaitForSingleObject(process.hProcess, kPatienceMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    result = fail("Velsetup did not end");
  }
  CloseHandle(process.hProcess);
  return result;
}
