#include "addin/session/addin_library.hpp"

#include "addin/server_module.hpp"
#include "forms/window_class.hpp"
#include "settings/settings_form.hpp"

namespace velmora::win32 {

namespace {

// The class of the toolkit's form windows, whose keyboard messages the pump treats as a
// dialog's.
ATOM formClass() {
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  return static_cast<ATOM>(GetClassInfoExW(thisModule(), L"VelmoraForm", &info));
}

std::weak_ptr<AddinLibrary>& current() {
  static std::weak_ptr<AddinLibrary> library;
  return library;
}

} // namespace

std::shared_ptr<AddinLibrary> AddinLibrary::acquire() {
  std::shared_ptr<AddinLibrary> library = current().lock();
  if (!library) {
    library = std::make_shared<AddinLibrary>();
    current() = library;
    // The host may let go of the connect object, disconnected, while a command waits in a
    // dialog below: the command keeps the add-in, and the library loaded, until it returns.
    library->state().commands.holdWhileRunning([weak = std::weak_ptr<AddinLibrary>(library)] {
      struct Held {
        std::shared_ptr<AddinLibrary> library;
        server::ObjectReference loaded;
      };
      auto held = std::make_shared<Held>();
      held->library = weak.lock();
      return std::shared_ptr<const void>(std::move(held));
    });
  }
  return library;
}

AddinLibrary::AddinLibrary()
    : pump_(formClass()), services_{forms_,     pump_,    atoms_, hotkeys_, windowProcedures_,
                                    clipboard_, library_, codec_, files_} {}

AddinLibrary::~AddinLibrary() {
  try {
    state_.frmVelmora.reset();
  } catch (...) {
    // Unloading the form reports its own failures; nothing is left to do here.
  }
}

} // namespace velmora::win32
