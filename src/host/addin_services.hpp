#pragma once

#include "ports/ansi_codec.hpp"
#include "ports/atom_table.hpp"
#include "ports/clipboard.hpp"
#include "ports/event_pump.hpp"
#include "ports/file_store.hpp"
#include "ports/forms_toolkit.hpp"
#include "ports/hotkey_service.hpp"
#include "ports/library_info.hpp"
#include "ports/window_procedure.hpp"

namespace velmora {

// The world as the loaded add-in sees it: one adapter per port, owned by whoever loaded it.
struct AddinServices {
  FormsToolkit& forms;
  EventPump& pump;
  AtomTable& atoms;
  HotkeyService& hotkeys;
  WindowProcedures& windowProcedures;
  Clipboard& clipboard;
  const LibraryInfo& library;
  const AnsiCodec& codec;
  FileStore& files;
};

} // namespace velmora
