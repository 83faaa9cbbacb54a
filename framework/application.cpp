#include "framework/application.h"

namespace fw {

TApplication::TApplication() : TComponent(nullptr) {}

void TApplication::SetOwnerWindow(platform::WindowHandle owner) { ownerWindow_ = owner; }

TApplication& Application() {
  static TApplication application;
  return application;
}

}  // namespace fw
