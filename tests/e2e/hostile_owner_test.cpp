// A host window handle that is no window (never was, or was destroyed): the plug-in still opens
// its window, without an owner, measures, shows its error boxes, and closes.

#include <gtest/gtest.h>
#include <windows.h>

#include "host/box_watcher.h"
#include "host/host_service.h"
#include "host/main_window.h"
#include "host/plugin_library.h"
#include "host/plugin_window.h"
#include "host/scene.h"
#include "host/session.h"

namespace {

HWND DestroyedWindow() {
  HWND window = CreateWindowExA(0, "STATIC", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  DestroyWindow(window);
  return window;
}

struct OwnerCase {
  const char* name;
  HWND (*owner)();
};

class HostileOwner : public ::testing::TestWithParam<OwnerCase> {};

TEST_P(HostileOwner, WindowOpensMeasuresAndCloses) {
  host::Scene scene;
  scene.points = {host::Point{100, 300}, host::Point{200, 300}};
  host::ServeScene(&scene, nullptr);
  {
    host::PluginLibrary library(MEASURE_DLL_PATH);
    ASSERT_TRUE(library.Loaded()) << library.Error();
    char name[64] = {};
    char description[64] = {};
    ASSERT_EQ(library.Initialize(&host::HostService, name, description, GetParam().owner()), 1);
    library.Activate();
    const host::PluginWindow window = host::PluginWindow::Find();
    ASSERT_TRUE(window.Visible());
    window.ClickCalculate();
    EXPECT_EQ(host::WindowText(window.ResultLabel()).rfind("L = ", 0), 0U);
    // An error box needs an owner too.
    scene.points.clear();
    int boxes = 0;
    host::BoxWatcher watcher([&boxes](const host::SeenBox&) { ++boxes; });
    window.ClickCalculate();
    EXPECT_EQ(boxes, 1);
    library.Finalize();
    host::DispatchPendingMessages();
    EXPECT_FALSE(IsWindow(window.Handle()));
  }
  host::ServeScene(nullptr, nullptr);
  DeleteFileA(host::Session::SettingsPath().c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Owners, HostileOwner,
    ::testing::Values(OwnerCase{"NeverAWindow", [] { return reinterpret_cast<HWND>(0x7654321); }},
                      OwnerCase{"Destroyed", DestroyedWindow}),
    [](const ::testing::TestParamInfo<OwnerCase>& param) { return std::string(param.param.name); });

}  // namespace
