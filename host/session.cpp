#include "host/session.h"

#include "host/host_service.h"

namespace host {

Session::Session(std::string pluginPath, Scene& scene, std::function<void(const ErrorBox&)> onBox,
                 std::ostream* serviceLog)
    : pluginPath_(std::move(pluginPath)),
      scene_(scene),
      onBox_(std::move(onBox)),
      watcher_([this](const SeenBox& seen) { BoxSeen(seen); }) {
  ServeScene(&scene_, serviceLog);
}

Session::~Session() {
  Unload();
  ServeScene(nullptr, nullptr);
}

bool Session::Load() {
  if (library_ != nullptr) {
    return true;
  }
  auto library = std::make_unique<PluginLibrary>(pluginPath_);
  if (!library->Loaded()) {
    error_ = library->Error();
    return false;
  }
  hook_ = std::make_unique<MessageBoxHook>(static_cast<HMODULE>(library->Module()));
  requestsMatched_ = 0;
  library_ = std::move(library);
  return true;
}

void Session::Unload() {
  if (library_ == nullptr) {
    return;
  }
  library_.reset();
  hook_.reset();
}

std::int32_t Session::Initialize() {
  // The protocol promises the plug-in at least 8 and 22 bytes; the host has room to spare.
  char name[256] = {};
  char description[256] = {};
  const std::int32_t result =
      library_->Initialize(&HostService, name, description, mainWindow_.Handle());
  name_ = name;
  description_ = description;
  return result;
}

void Session::Activate() { library_->Activate(); }

void Session::Finalize() { library_->Finalize(); }

void Session::Pump() { DispatchPendingMessages(); }

void Session::BoxSeen(const SeenBox& seen) {
  ErrorBox box;
  box.seen = seen;
  if (hook_ != nullptr && requestsMatched_ < hook_->Requests().size()) {
    box.request = hook_->Requests()[requestsMatched_++];
  }
  boxes_.push_back(box);
  if (onBox_) {
    onBox_(box);
  }
}

std::string Session::ProgramFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  const std::size_t last = folder.find_last_of("\\/:");
  return last == std::string::npos ? std::string() : folder.substr(0, last + 1);
}

}  // namespace host
