#include "plugin/exports.h"

#include "plugin/library_state.h"

extern "C" {

std::int32_t MEASURE_STDCALL pi_initialize(plugin::HostServiceProc service, char* nameBuffer,
                                           char* descriptionBuffer, void* hostWindow) {
  return plugin::Initialize(service, nameBuffer, descriptionBuffer, hostWindow);
}

void MEASURE_STDCALL pi_activate(std::int32_t, std::int32_t) { plugin::Activate(); }

void MEASURE_STDCALL pi_finalize(std::int32_t) { plugin::Finalize(); }

}  // extern "C"
