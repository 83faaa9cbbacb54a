#include "plugin/exports.h"

#include <windows.h>

#include "plugin/library_state.h"

// No exception may leave the DLL: the host is not C++ and cannot catch it, so it would end the
// host's process. A call that fails that way is abandoned with a beep.
extern "C" {

std::int32_t MEASURE_STDCALL pi_initialize(plugin::HostServiceProc service, char* nameBuffer,
                                           char* descriptionBuffer, void* hostWindow) {
  try {
    return plugin::Initialize(service, nameBuffer, descriptionBuffer, hostWindow);
  } catch (...) {
    return 1;
  }
}

void MEASURE_STDCALL pi_activate(std::int32_t, std::int32_t) {
  try {
    plugin::Activate();
  } catch (...) {
    MessageBeep(MB_ICONHAND);
  }
}

void MEASURE_STDCALL pi_finalize(std::int32_t) {
  try {
    plugin::Finalize();
  } catch (...) {
    MessageBeep(MB_ICONHAND);
  }
}

// Unloading: FreeLibrary (reserved is null) destroys a window that is still alive, which saves
// its fields. When the process ends (reserved is not null) the system takes the windows away by
// itself: the fields are saved, and no window is hidden or destroyed from here.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH) {
    try {
      if (reserved == nullptr) {
        plugin::Unload();
      } else {
        plugin::ProcessExit();
      }
    } catch (...) {
      // Nothing can be reported while the library goes away.
    }
  }
  return TRUE;
}

}  // extern "C"
