#pragma once
// The library-wide application object. Inside a library it has no window of its own; it holds the
// window that owns every top-level window and message box the library creates (the host's main
// window), and it is the owner of the library's windows, so that they go when the library goes.

#include "framework/component.h"
#include "platform/window_handle.h"

namespace fw {

class TApplication : public TComponent {
 public:
  TApplication();

  // Null until set: the library's windows and boxes then have no owner.
  platform::WindowHandle OwnerWindow() const { return ownerWindow_; }
  // Applies to windows and boxes created from now on; setting the current owner again changes
  // nothing.
  void SetOwnerWindow(platform::WindowHandle owner);

 private:
  platform::WindowHandle ownerWindow_ = nullptr;
};

// The one application object, created at its first use and destroyed when the library is
// unloaded (or the program ends).
TApplication& Application();

}  // namespace fw
