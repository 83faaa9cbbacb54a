#include "plugin/exports.h"

#include <windows.h>

#include "plugin/library_state.h"

extern "C" {

std::int32_t MEASURE_STDCALL pi_initialize(plugin::HostServiceProc service, char* nameBuffer,
                                           char* descriptionBuffer, void* hostWindow) {
  return plugin::Initialize(service, nameBuffer, descriptionBuffer, hostWindow);
}

void MEASURE_STDCALL pi_activate(std::int32_t, std::int32_t) { plugin::Activate(); }

void MEASURE_STDCALL pi_finalize(std::int32_t) { plugin::Finalize(); }

// Unloading: FreeLibrary (reserved is null) destroys a window that is still alive, which saves
// its fields. When the process ends (reserved is not null) the system takes the windows away by
// itself: the fields are saved, and no window is hidden or destroyed from here.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH) {
    if (reserved == nullptr) {
      plugin::Unload();
    } else {
      plugin::ProcessExit();
    }
  }
  return TRUE;
}

}  // extern "C"
