// Runs Velsetup.exe and registers the add-in through its window as a user does: presses "登録",
// reads the message box it answers with, closes it. Exits 0 when the registration succeeded.
//
//   velsetup-driver.exe [--screenshot FILE.bmp] PATH\Velsetup.exe

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

// The screen under the window, as a 24-bit BMP file.
bool photograph(HWND window, const wchar_t* file) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT area{};
  GetWindowRect(window, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const DWORD stride = static_cast<DWORD>((width * 3 + 3) & ~3);
  std::string pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), '\0');
  const int rows = GetDIBits(memory, picture, 0, static_cast<UINT>(height), pixels.data(), &info,
                             DIB_RGB_COLORS);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (rows != height) {
    return false;
  }
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
  HANDLE out = CreateFileW(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) {
    return false;
  }
  DWORD written = 0;
  bool ok = WriteFile(out, &header, sizeof header, &written, nullptr) &&
            WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
            WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
  CloseHandle(out);
  return ok;
}

int fail(const char* what) {
  std::printf("velsetup-driver: %s\n", what);
  return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  const wchar_t* screenshot = nullptr;
  if (argc == 4 && std::wstring(argv[1]) == L"--screenshot") {
    screenshot = argv[2];
    argv += 2;
    argc -= 2;
  }
  if (argc != 2) {
    return fail("usage: velsetup-driver.exe [--screenshot FILE.bmp] PATH\\Velsetup.exe");
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
    if (screenshot != nullptr && !photograph(form, screenshot)) {
      std::printf("velsetup-driver: the screenshot was not taken\n");
    }
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
