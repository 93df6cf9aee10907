#pragma once

#include "forms/win32_forms_toolkit.hpp"
#include "host/addin_services.hpp"
#include "host/addin_state.hpp"
#include "services/win32_ansi_codec.hpp"
#include "services/win32_atom_table.hpp"
#include "services/win32_clipboard.hpp"
#include "services/win32_event_pump.hpp"
#include "services/win32_file_store.hpp"
#include "services/win32_hotkey_service.hpp"
#include "services/win32_library_info.hpp"
#include "services/win32_window_procedures.hpp"

#include <memory>

namespace velmora::win32 {

// The loaded library's add-in: the library-wide state and the Win32 services it is given. There
// is one while any connect object uses it; when the last one lets go it is torn down, so that no
// window, hotkey or window procedure of the library is left when the library may unload. Made
// and used on the IDE's user-interface thread.
class AddinLibrary {
public:
  // The library's add-in, made when none is alive.
  static std::shared_ptr<AddinLibrary> acquire();

  AddinLibrary();
  // The settings form goes first (it releases the hotkeys and restores its window's procedure),
  // then the host's objects, then the services.
  ~AddinLibrary();
  AddinLibrary(const AddinLibrary&) = delete;
  AddinLibrary& operator=(const AddinLibrary&) = delete;

  AddinState& state() { return state_; }
  const AddinServices& services() const { return services_; }

private:
  Win32FormsToolkit forms_;
  Win32EventPump pump_;
  Win32AtomTable atoms_;
  Win32HotkeyService hotkeys_;
  Win32WindowProcedures windowProcedures_;
  Win32Clipboard clipboard_;
  Win32LibraryInfo library_;
  Win32AnsiCodec codec_;
  Win32FileStore files_;
  AddinServices services_;
  // Declared last so that it goes first.
  AddinState state_;
};

} // namespace velmora::win32
