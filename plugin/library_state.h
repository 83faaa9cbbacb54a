#pragma once
// The plug-in's entry points as plain functions, and the library-wide window reference. The
// exported functions only forward here, so that tests can drive the same code directly.

#include <cstdint>

#include "platform/window_handle.h"
#include "plugin/host_service.h"

namespace measure {
class TForm1;
}

namespace plugin {

// The host's initialisation call, in this order: the decimal separator becomes "."; `service`
// becomes the host service function; "Measure" and its zero byte are copied into nameBuffer (8
// bytes) and "Measure plugin (feet)" and its zero byte into descriptionBuffer (22 bytes), and no
// other byte of either buffer is written; `hostWindow` becomes the owner of every window and box
// created from now on (null: none); the window reference is cleared, leaving a window that still
// exists alone. Always returns 1.
std::int32_t Initialize(HostServiceProc service, char* nameBuffer, char* descriptionBuffer,
                        platform::WindowHandle hostWindow);

// The host's activation and finalisation calls.
void Activate();
void Finalize();

// The one measure window, or null: empty at load and after Initialize.
measure::TForm1* WindowReference();
void SetWindowReference(measure::TForm1* window);

}  // namespace plugin
