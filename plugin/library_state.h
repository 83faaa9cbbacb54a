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
// other byte of either buffer is written (a null buffer is skipped); `hostWindow` becomes the
// owner of every window and box created from now on (null: none); the window reference is
// cleared, leaving a window that still exists alone. Always returns 1.
std::int32_t Initialize(HostServiceProc service, char* nameBuffer, char* descriptionBuffer,
                        platform::WindowHandle hostWindow);

// The host's activation call: creates the measure window when the reference is empty (the new
// window restores its fields from the settings file), then shows it and brings it to the front.
// A window whose release is pending (finalised, not yet dispatched) is kept: the activation takes
// the release request back.
void Activate();
// The host's finalisation call: posts the window's release request; the window is destroyed
// (and saves its fields) when the host's message loop dispatches it. The reference stays set
// until the window is really gone. Nothing happens without a window or with a request pending.
void Finalize();

// The library is being unloaded (FreeLibrary): a window still alive is destroyed now, and saves
// its fields.
void Unload();
// The process is ending: a window still alive saves its fields; no window is touched otherwise.
void ProcessExit();

// The one measure window, or null: empty at load and after Initialize, and cleared when the
// window that Activate made is destroyed. A reference set with SetWindowReference is only
// stored (it is not followed).
measure::TForm1* WindowReference();
void SetWindowReference(measure::TForm1* window);

}  // namespace plugin
