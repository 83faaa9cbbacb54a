#pragma once
// What the plug-in passes to the system when it shows a message box. The hook replaces the
// plug-in module's import of MessageBoxA (its import address table entry) with a function that
// records the call and then shows the box through the real MessageBoxA. The box itself is
// unchanged; only what was asked for becomes visible to the host, as the flags of a box cannot
// all be read back from its window (the system does not give every top-most box the top-most
// window style).

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct MessageBoxRequest {
  HWND owner = nullptr;
  std::string text;
  std::string caption;
  std::uint32_t flags = 0;
};

class MessageBoxHook {
 public:
  // Hooks the module's import; Installed() tells whether the module imports MessageBoxA.
  explicit MessageBoxHook(HMODULE module);
  MessageBoxHook(const MessageBoxHook&) = delete;
  MessageBoxHook& operator=(const MessageBoxHook&) = delete;
  // Puts the module's import back (when the module is still loaded).
  ~MessageBoxHook();

  bool Installed() const { return slot_ != nullptr; }

  // Every request since the hook was made, oldest first (one hook at a time records).
  const std::vector<MessageBoxRequest>& Requests() const { return requests_; }

 private:
  static int WINAPI Recording(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);

  HMODULE module_ = nullptr;
  void** slot_ = nullptr;
  void* original_ = nullptr;
  std::vector<MessageBoxRequest> requests_;
};

}  // namespace host
