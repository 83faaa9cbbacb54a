#pragma once
// A file held open without sharing by another process (hold_file.exe beside this program) for as
// long as the object lives.

#include <windows.h>

#include <string>

namespace settings_hostile {

class HeldByOtherProcess {
 public:
  explicit HeldByOtherProcess(const std::string& path) {
    static unsigned counter = 0;
    const std::string stem =
        "measure-hold-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    ready_ = CreateEventA(nullptr, TRUE, FALSE, (stem + "-ready").c_str());
    release_ = CreateEventA(nullptr, TRUE, FALSE, (stem + "-release").c_str());
    std::string command = "\"" + ProgramFolder() + "hold_file.exe\" \"" + path + "\" " + stem +
                          "-ready " + stem + "-release";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (ready_ == nullptr || release_ == nullptr ||
        !CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
      return;
    }
    const HANDLE waitFor[] = {ready_, process_.hProcess};
    holding_ = WaitForMultipleObjects(2, waitFor, FALSE, 20000) == WAIT_OBJECT_0;
  }
  HeldByOtherProcess(const HeldByOtherProcess&) = delete;
  HeldByOtherProcess& operator=(const HeldByOtherProcess&) = delete;
  ~HeldByOtherProcess() { Release(); }

  // True once the other process has the file open.
  bool Holding() const { return holding_; }

  // Lets the other process close the file and end, and waits for it.
  void Release() {
    if (release_ != nullptr) {
      SetEvent(release_);
    }
    if (process_.hProcess != nullptr) {
      WaitForSingleObject(process_.hProcess, 20000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
      process_ = {};
    }
    for (HANDLE* event : {&ready_, &release_}) {
      if (*event != nullptr) {
        CloseHandle(*event);
        *event = nullptr;
      }
    }
    holding_ = false;
  }

 private:
  static std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const std::size_t last = folder.find_last_of("\\/:");
    return last == std::string::npos ? std::string() : folder.substr(0, last + 1);
  }

  HANDLE ready_ = nullptr;
  HANDLE release_ = nullptr;
  PROCESS_INFORMATION process_{};
  bool holding_ = false;
};

}  // namespace settings_hostile
