#pragma once
// The library-wide application object. Inside a library it has no window of its own; it holds the
// window that owns every top-level window and message box the library creates (the host's main
// window), and it is the owner of the library's forms, so that they go when the library goes.

#include <functional>

#include "framework/component.h"
#include "platform/window_handle.h"

namespace fw {

class TApplication : public TComponent {
 public:
  TApplication();
  // Destroys the forms still alive (DestroyForms), then everything else it owns.
  ~TApplication() override;

  // Null until set: the library's windows and boxes then have no owner.
  platform::WindowHandle OwnerWindow() const { return ownerWindow_; }
  // Applies to windows and boxes created from now on; setting the current owner again changes
  // nothing.
  void SetOwnerWindow(platform::WindowHandle owner);

  // Destroys every form the application still owns, last created first, each through
  // TCustomForm::Free: hidden, its OnDestroy run while its controls exist, then destroyed with
  // its windows.
  void DestroyForms();
  // For a process that is ending, when the system takes the windows away by itself: runs every
  // owned form's OnDestroy, touching no window beyond reading what its controls hold, and keeps
  // the forms as they are.
  void AbandonForms();

  // Dispatches every message waiting in this thread's queue (the forms' release requests among
  // them), and the release requests of forms without a window.
  void ProcessMessages();

  // Called when an owned component is about to leave the application: it is being destroyed.
  std::function<void(TComponent* component)> OnComponentRemoving;

 protected:
  void ComponentRemoving(TComponent* component) override;

 private:
  platform::WindowHandle ownerWindow_ = nullptr;
};

// The one application object, made at its first use. It is never destroyed on its own, so a
// process that ends with forms alive does not touch their windows from a destructor; a library
// being unloaded calls ShutdownApplication.
TApplication& Application();
// Destroys the application object (and with it every form it owns); a later Application() makes
// a new one.
void ShutdownApplication();

}  // namespace fw
