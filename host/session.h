#pragma once
// One run of the host with the plug-in: the host's main window, the plug-in library loaded and
// unloaded on demand, the scene its service function serves, and the watching of the message
// boxes the plug-in shows (each is read, reported and dismissed, and what the plug-in passed to
// MessageBoxA is recorded).

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/box_watcher.h"
#include "host/main_window.h"
#include "host/message_box_hook.h"
#include "host/plugin_library.h"
#include "host/plugin_window.h"
#include "host/scene.h"

namespace host {

// A message box as the user saw it, with what the plug-in asked for.
struct ErrorBox {
  SeenBox seen;
  std::optional<MessageBoxRequest> request;  // the matching MessageBoxA call
};

class Session {
 public:
  // `scene` is served while the session lives and must outlive it; `onBox` hears of every box;
  // every service call is logged to `serviceLog` (none when null).
  Session(std::string pluginPath, Scene& scene, std::function<void(const ErrorBox&)> onBox = {},
          std::ostream* serviceLog = nullptr);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  // Unloads the plug-in if it is loaded.
  ~Session();

  HWND MainWindowHandle() const { return static_cast<HWND>(mainWindow_.Handle()); }
  Scene& CurrentScene() { return scene_; }

  // Loads the library; false (and Error() says why) when it or its entry points are missing.
  bool Load();
  bool Loaded() const { return library_ != nullptr; }
  const std::string& Error() const { return error_; }
  // FreeLibrary.
  void Unload();

  // The three entry points. Initialize hands over the host's service function, two buffers and
  // the main window, and keeps what the plug-in wrote into the buffers.
  std::int32_t Initialize();
  void Activate();
  void Finalize();
  // The host's message loop: dispatches what is waiting.
  void Pump();

  const std::string& Name() const { return name_; }
  const std::string& Description() const { return description_; }

  // Every box seen so far, oldest first.
  const std::vector<ErrorBox>& Boxes() const { return boxes_; }

  // The folder of the host's program, where the plug-in keeps "measure.ini".
  static std::string ProgramFolder();
  static std::string SettingsPath() { return ProgramFolder() + "measure.ini"; }

 private:
  void BoxSeen(const SeenBox& seen);

  std::string pluginPath_;
  Scene& scene_;
  std::function<void(const ErrorBox&)> onBox_;
  MainWindow mainWindow_;
  std::unique_ptr<PluginLibrary> library_;
  std::unique_ptr<MessageBoxHook> hook_;
  std::size_t requestsMatched_ = 0;
  BoxWatcher watcher_;
  std::vector<ErrorBox> boxes_;
  std::string error_;
  std::string name_;
  std::string description_;
};

}  // namespace host
