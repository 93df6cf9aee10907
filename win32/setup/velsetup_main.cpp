// Velsetup.exe: enters the add-in into the IDE's add-in lists (the Windows directory's, and the
// user's VirtualStore copy when there is one). The program is its one form; it ends when the
// form is closed.
#include "forms/unhandled_error.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "installer/velsetup.hpp"
#include "setup/system_profile_files.hpp"
#include "setup/system_setup_places.hpp"

#include <exception>
#include <string>
#include <windows.h>

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  try {
    velmora::win32::Win32FormsToolkit toolkit;
    velmora::win32::SystemProfileFiles profile;
    const velmora::win32::SystemSetupPlaces places;
    velmora::runVelsetup(toolkit, profile, places);
    return 0;
  } catch (...) {
    velmora::win32::reportUnhandledException();
    return 1;
  }
}
