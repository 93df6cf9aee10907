#pragma once

#include "common/temp_directory.hpp"
#include "dialog_driving.hpp"
#include "forms/window_class.hpp"
#include "host/addin_services.hpp"
#include "host/addin_state.hpp"
#include "services/win32_ansi_codec.hpp"
#include "services/win32_atom_table.hpp"
#include "services/win32_clipboard.hpp"
#include "services/win32_event_pump.hpp"
#include "services/win32_file_store.hpp"
#include "services/win32_hotkey_service.hpp"
#include "services/win32_window_procedures.hpp"
#include "settings/settings_form.hpp"
#include "setup/message_box_watcher.hpp"

#include <iterator>
#include <map>
#include <memory>
// The list view's declarations need those of windows.h.
#include <commctrl.h>

namespace velmora::testing {

class FixedLibraryInfo final : public LibraryInfo {
public:
  explicit FixedLibraryInfo(std::u16string directory) : directory_(std::move(directory)) {}
  std::u16string directory() const override { return directory_; }
  Version version() const override { return {2, 10}; }

private:
  std::u16string directory_;
};

class RecordingOwner final : public SettingsFormOwner {
public:
  void declare(std::u16string_view kind) override { declared.emplace_back(kind); }
  void UpdateButtonTips() override { ++tipUpdates; }

  std::vector<std::u16string> declared;
  int tipUpdates = 0;
};

// The Win32 file store, telling the test when a replacement pauses because the file is busy.
class WatchedFileStore final : public FileStore {
public:
  FileContents read(const FilePath& path) const override { return real_.read(path); }
  Outcome writeNew(const FilePath& path, std::string_view bytes) override {
    return real_.writeNew(path, bytes);
  }
  Outcome replace(const FilePath& target, const FilePath& replacement) override {
    return real_.replace(target, replacement);
  }
  bool overwrite(const FilePath& path, std::string_view bytes) override {
    return real_.overwrite(path, bytes);
  }
  void remove(const FilePath& path) override { real_.remove(path); }
  void pause(std::uint32_t milliseconds) override {
    ++pauses;
    if (onPause) {
      onPause();
    }
    real_.pause(milliseconds);
  }

  std::function<void()> onPause;
  int pauses = 0;

private:
  win32::Win32FileStore real_;
};

// The class atom of the toolkit's form windows, whose keys the pump treats as a dialog's.
inline ATOM formClassAtom() {
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  return static_cast<ATOM>(GetClassInfoExW(win32::thisModule(), kFormClass, &info));
}

// The settings form as the add-in runs it: the real Win32 toolkit and services, the library's
// directory a fresh temporary one (so that Velmora.ini starts missing), the IDE's main window
// shown and active (so that the program stays the active application when a dialog closes, as
// inside the IDE: deactivated, the form drops its hotkeys). Message boxes are answered with OK
// and noted.
class SettingsDialogTest : public ::testing::Test {
public:
  SettingsDialogTest() {
    SetForegroundWindow(ide.get());
    state.options = Options{1, 1, 1, 1};
  }

  SettingsForm& load() {
    state.frmVelmora = SettingsForm::load(state, services, owner);
    return *state.frmVelmora;
  }
  Form& form() { return state.frmVelmora->window(); }
  HWND window() { return windowOf(form()); }
  HWND button(const wchar_t* caption) { return buttonOf(window(), caption); }
  HWND checkBox(const char* name, int index = -1) { return windowOf(form().checkBox(name, index)); }
  HWND prefixBox() { return windowOf(form().textBox("txtSettouChar")); }
  HWND typeBox() { return windowOf(form().textBox("txtKata")); }
  HWND list() { return windowOf(form().listView("ListView1")); }
  std::vector<std::vector<std::u16string>> rows() {
    ListView& view = form().listView("ListView1");
    std::vector<std::vector<std::u16string>> cells;
    cells.reserve(static_cast<std::size_t>(view.rowCount()));
    for (int row = 0; row < view.rowCount(); ++row) {
      cells.push_back({view.cell(row, 0), view.cell(row, 1)});
    }
    return cells;
  }
  HWND keyList(int row) { return windowOf(form().comboBox("cboKey", row)); }

  // The settings button of the toolbar: HotDispSet, then the modal dialog with the user's steps.
  void openDialog(Steps user) {
    state.frmVelmora->HotDispSet();
    whileShown(std::move(user), [this] { state.frmVelmora->showModal(); });
  }

  // The user's row of the table, added with the button (the keys' way: SettingsDialogPrefixes).
  void addRow(const wchar_t* prefix, const wchar_t* type) {
    typeText(prefixBox(), prefix);
    typeText(typeBox(), type);
    clickButton(button(L"追加 >>"));
  }

  std::filesystem::path iniPath() const { return dir.path() / L"Velmora.ini"; }
  std::string iniBytes() const {
    std::ifstream in(iniPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Section "Velmora" of Velmora.ini as the system's profile functions read it.
  std::map<std::wstring, std::wstring> ini() const {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetPrivateProfileSectionW(
        L"Velmora", buffer.data(), static_cast<DWORD>(buffer.size()), iniPath().c_str());
    std::map<std::wstring, std::wstring> section;
    for (const wchar_t* entry = buffer.data(); entry < buffer.data() + length && *entry != L'\0';
         entry += wcslen(entry) + 1) {
      const std::wstring line = entry;
      section[line.substr(0, line.find(L'='))] = line.substr(line.find(L'=') + 1);
    }
    return section;
  }

  std::vector<std::wstring> messageTexts() const {
    std::vector<std::wstring> texts;
    for (const MessageBoxSeen& box : boxes.seen) {
      texts.push_back(box.text);
    }
    return texts;
  }

  std::unique_ptr<HWND__, BOOL(WINAPI*)(HWND)> ide{
      CreateWindowExW(0, L"STATIC", L"Microsoft Visual Basic", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                      0, 640, 480, nullptr, nullptr, nullptr, nullptr),
      DestroyWindow};
  TempDirectory dir;
  FixedLibraryInfo library{dir.path().u16string()};
  win32::Win32FormsToolkit toolkit;
  win32::Win32EventPump pump{formClassAtom()};
  win32::Win32AtomTable atoms;
  win32::Win32HotkeyService hotkeys;
  win32::Win32WindowProcedures procedures;
  win32::Win32Clipboard clipboard;
  win32::Win32AnsiCodec codec;
  WatchedFileStore files;
  AddinServices services{toolkit,   pump,    atoms, hotkeys, procedures,
                         clipboard, library, codec, files};
  RecordingOwner owner;
  MessageBoxWatcher boxes;
  AddinState state; // last: the form unloads while everything it uses is still there
};

} // namespace velmora::testing
