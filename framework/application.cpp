#include "framework/application.h"

#include "framework/form.h"
#include "platform/window.h"

namespace fw {
namespace {

TApplication*& Instance() {
  static TApplication* application = nullptr;
  return application;
}

}  // namespace

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
  DestroyForms();
  OnComponentRemoving = nullptr;
  DestroyComponents();
}

void TApplication::SetOwnerWindow(platform::WindowHandle owner) { ownerWindow_ = owner; }

void TApplication::DestroyForms() {
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (i >= ComponentCount()) {
      continue;  // a form's teardown took others with it
    }
    if (auto* form = Components(i)->As<TCustomForm>()) {
      form->Free();
    }
  }
}

void TApplication::AbandonForms() {
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* form = Components(i)->As<TCustomForm>()) {
      form->RunDestroyEvent();
    }
  }
}

void TApplication::ProcessMessages() {
  platform::ProcessPendingMessages();
  TCustomForm::DispatchHeadlessReleases();
}

void TApplication::ComponentRemoving(TComponent* component) {
  if (OnComponentRemoving) {
    OnComponentRemoving(component);
  }
}

TApplication& Application() {
  TApplication*& application = Instance();
  if (application == nullptr) {
    application = new TApplication;
  }
  return *application;
}

void ShutdownApplication() {
  TApplication*& application = Instance();
  delete application;
  application = nullptr;
}

}  // namespace fw
