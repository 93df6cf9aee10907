// file-holder.exe PATH NAME: another program holding a file open, as an antivirus scanner or an
// indexer does: it opens PATH for reading, sharing reading and writing but not deletion, sets
// the event NAME-held, and lets go of the file (and ends) once the event NAME-release is set, or
// after a minute.
#include <string>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    return 2;
  }
  const std::wstring name = argv[2];
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, (name + L"-held").c_str());
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, (name + L"-release").c_str());
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE || held == nullptr || release == nullptr) {
    return 1;
  }
  SetEvent(held);
  WaitForSingleObject(release, 60000);
  CloseHandle(file);
  return 0;
}
