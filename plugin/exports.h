#pragma once
// The library's three exports (by name and by ordinal 1, 2, 3), all stdcall: the called function
// removes its 16, 8 and 4 bytes of arguments. The host finds them by name; the types below are
// how it calls them.

#include <cstdint>

#include "plugin/host_service.h"

extern "C" {

// Always returns 1.
std::int32_t MEASURE_STDCALL pi_initialize(plugin::HostServiceProc service, char* nameBuffer,
                                           char* descriptionBuffer, void* hostWindow);
// Both arguments are ignored.
void MEASURE_STDCALL pi_activate(std::int32_t unused1, std::int32_t unused2);
// The argument is ignored.
void MEASURE_STDCALL pi_finalize(std::int32_t unused);

}  // extern "C"

namespace plugin {

using InitializeProc = decltype(&pi_initialize);
using ActivateProc = decltype(&pi_activate);
using FinalizeProc = decltype(&pi_finalize);

}  // namespace plugin
