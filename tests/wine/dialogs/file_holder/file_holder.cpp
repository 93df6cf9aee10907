// file-holder.exe: the other program of the held-file tests. It is started with an inherited
// handle of the file and keeps it open by doing nothing until it is ended (or a minute passes).
#include <windows.h>

int main() {
  Sleep(60000);
  return 0;
}
