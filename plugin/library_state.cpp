#include "plugin/library_state.h"

#include <cstring>

#include "controls/decimal_separator.h"
#include "framework/application.h"
#include "measure/Unit1.h"

namespace plugin {
namespace {

constexpr char kName[] = "Measure";
constexpr char kDescription[] = "Measure plugin (feet)";
static_assert(sizeof kName == 8 && sizeof kDescription == 22);

struct WindowState {
  measure::TForm1* window = nullptr;
  // The same window as the component the application reports on (null when the reference was
  // set from outside).
  fw::TComponent* guarded = nullptr;
};

WindowState& State() {
  static WindowState state;
  return state;
}

// The reference is a guarded one: the application, which owns the window, reports when the
// window goes, whichever way (release request, unload), and the reference is cleared then. So a
// reference never names a window that is gone.
void GuardWindowReference() {
  fw::Application().OnComponentRemoving = [](fw::TComponent* component) {
    WindowState& state = State();
    if (component != nullptr && component == state.guarded) {
      state = WindowState{};
    }
  };
}

}  // namespace

std::int32_t Initialize(HostServiceProc service, char* nameBuffer, char* descriptionBuffer,
                        platform::WindowHandle hostWindow) {
  controls::SetDecimalSeparator('.');
  SetHostService(service);
  // The host guarantees buffers of at least these sizes; the zero bytes are copied too. A host
  // that passes no buffer gets nothing written.
  if (nameBuffer != nullptr) {
    std::memcpy(nameBuffer, kName, sizeof kName);
  }
  if (descriptionBuffer != nullptr) {
    std::memcpy(descriptionBuffer, kDescription, sizeof kDescription);
  }
  fw::Application().SetOwnerWindow(hostWindow);
  State() = WindowState{};
  return 1;
}

void Activate() {
  WindowState& state = State();
  measure::TForm1* window = state.window;
  if (window == nullptr) {
    GuardWindowReference();
    window = new measure::TForm1(&fw::Application());
    state.window = window;
    state.guarded = window;
  } else if (window->ReleasePending()) {
    window->CancelRelease();
  }
  window->Show();
}

void Finalize() {
  if (measure::TForm1* window = State().window) {
    window->Release();
  }
}

void Unload() { fw::ShutdownApplication(); }

void ProcessExit() { fw::Application().AbandonForms(); }

measure::TForm1* WindowReference() { return State().window; }

void SetWindowReference(measure::TForm1* window) { State() = WindowState{window, nullptr}; }

}  // namespace plugin
