#pragma once

#include "common/temp_directory.hpp"
#include "fixed_library_info.hpp"
#include "forms/form_test_support.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "forms/window_class.hpp"
#include "host/addin_services.hpp"
#include "host/addin_state.hpp"
#include "ide_window.hpp"
#include "modal_session.hpp"
#include "recording_owner.hpp"
#include "services/win32_ansi_codec.hpp"
#include "services/win32_atom_table.hpp"
#include "services/win32_clipboard.hpp"
#include "services/win32_event_pump.hpp"
#include "services/win32_hotkey_service.hpp"
#include "services/win32_window_procedures.hpp"
#include "settings/settings_form.hpp"
#include "settings_file_view.hpp"
#include "setup/message_box_watcher.hpp"
#include "watched_file_store.hpp"
#include "window_search.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace velmora::testing {

inline constexpr wchar_t kSettingsCaption[] = L"ベルモラの設定";

// The class atom of the toolkit's form windows, whose keys the pump treats as a dialog's.
inline ATOM formClassAtom() {
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  return static_cast<ATOM>(GetClassInfoExW(win32::thisModule(), kFormClass, &info));
}

// The settings form as the add-in runs it: the real Win32 toolkit and services, the library's
// directory a fresh temporary one (so that Velmora.ini starts missing), the IDE's main window
// shown and active. Message boxes are answered with OK and noted.
class SettingsDialogTest : public ::testing::Test {
protected:
  SettingsDialogTest() { state.options = Options{1, 1, 1, 1}; }

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
  HWND keyList(int row) { return windowOf(form().comboBox("cboKey", row)); }

  // The settings button of the toolbar: HotDispSet, then the modal dialog, in which the user
  // takes `user`'s steps.
  void openDialog(Steps user) {
    state.frmVelmora->HotDispSet();
    whileShown(std::move(user), [this] { state.frmVelmora->showModal(); });
  }

  void setPrefixes(std::vector<PrefixEntry> entries) {
    state.prefixes = Prefixes(std::move(entries));
  }

  std::filesystem::path iniPath() const { return dir.path() / L"Velmora.ini"; }
  std::map<std::wstring, std::wstring> ini() const { return velmoraSection(iniPath()); }
  std::string iniBytes() const { return fileBytes(iniPath()); }
  void writeIni(const std::string& text) const {
    std::ofstream(iniPath(), std::ios::binary) << text;
  }

  std::vector<std::wstring> messageTexts() const {
    std::vector<std::wstring> texts;
    texts.reserve(boxes.seen.size());
    for (const MessageBoxSeen& box : boxes.seen) {
      texts.push_back(box.text);
    }
    return texts;
  }

  IdeWindow ide;
  TempDirectory dir;
  FixedLibraryInfo library{dir.path().u16string(), {2, 10}};
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
