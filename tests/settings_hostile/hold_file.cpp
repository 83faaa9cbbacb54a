// A process that holds a file open without sharing it, for tests of what another process's
// handle does to the settings file.
//   hold_file <path> <ready event> <release event>
// Opens the file for reading and writing with share mode 0, signals the ready event, waits for
// the release event (a minute at most), closes the file and ends. Exit code 2 when the file
// cannot be opened, 3 when an event cannot be opened.

#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 4) {
    return 1;
  }
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
  HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
  if (ready == nullptr || release == nullptr) {
    return 3;
  }
  HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return 2;
  }
  SetEvent(ready);
  WaitForSingleObject(release, 60000);
  CloseHandle(file);
  CloseHandle(ready);
  CloseHandle(release);
  return 0;
}
