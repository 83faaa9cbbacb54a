#pragma once
// The operating system's handle of a window, as the portable code passes it around. On Windows
// it holds an HWND; elsewhere it is only ever compared and passed on, never dereferenced.

namespace platform {

using WindowHandle = void*;

}  // namespace platform
