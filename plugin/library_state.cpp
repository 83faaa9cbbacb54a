#include "plugin/library_state.h"

#include <cstring>

#include "controls/decimal_separator.h"
#include "framework/application.h"

namespace plugin {
namespace {

constexpr char kName[] = "Measure";
constexpr char kDescription[] = "Measure plugin (feet)";
static_assert(sizeof kName == 8 && sizeof kDescription == 22);

measure::TForm1*& Window() {
  static measure::TForm1* window = nullptr;
  return window;
}

}  // namespace

std::int32_t Initialize(HostServiceProc service, char* nameBuffer, char* descriptionBuffer,
                        platform::WindowHandle hostWindow) {
  controls::SetDecimalSeparator('.');
  SetHostService(service);
  // The host guarantees buffers of at least these sizes; the zero bytes are copied too.
  std::memcpy(nameBuffer, kName, sizeof kName);
  std::memcpy(descriptionBuffer, kDescription, sizeof kDescription);
  fw::Application().SetOwnerWindow(hostWindow);
  Window() = nullptr;
  return 1;
}

void Activate() {}

void Finalize() {}

measure::TForm1* WindowReference() { return Window(); }

void SetWindowReference(measure::TForm1* window) { Window() = window; }

}  // namespace plugin
