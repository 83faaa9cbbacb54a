#pragma once
// The host stand-in's service function: commands 16 (the current image), 1 (its width, and its
// height through the third operand) and 12 (the number of marked points, or one point), served
// over a scene. Every call is logged, one line each.

#include <cstdint>
#include <ostream>

#include "host/scene.h"
#include "plugin/host_service.h"

namespace host {

// The scene served from now on and where the calls are logged (null: nowhere). Both must
// outlive their use. Without a scene every command answers 0.
void ServeScene(const Scene* scene, std::ostream* log);

// The service function handed to the plug-in.
std::int32_t MEASURE_STDCALL HostService(std::int32_t command, std::int32_t op1, std::int32_t op2,
                                         std::int32_t op3);

// The integer an address operand names: its 32 bits are the address (0: none).
std::int32_t* OperandAddress(std::int32_t operand);

}  // namespace host
