#pragma once
// One host session with the real plug-in library for each test: the host stand-in's main
// window, service function and scene (an image 1000 pixels wide with two points 100 pixels
// apart), the plug-in's message boxes watched and dismissed, and the settings file
// "measure.ini" in this program's folder, removed before and after each test.

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "host/plugin_window.h"
#include "host/report.h"
#include "host/session.h"

namespace e2e_test {

class PluginTest : public ::testing::Test {
 protected:
  PluginTest() : session(MEASURE_DLL_PATH, scene) {}

  void SetUp() override {
    RemoveSettings();
    ASSERT_TRUE(session.Load()) << session.Error();
    ASSERT_EQ(session.Initialize(), 1);
  }
  void TearDown() override {
    session.Unload();
    RemoveSettings();
  }

  static std::string SettingsPath() { return host::Session::SettingsPath(); }
  static void RemoveSettings() { std::remove(SettingsPath().c_str()); }
  static std::optional<std::string> Settings() {
    bool exists = false;
    std::string text = host::ReadFileText(SettingsPath(), exists);
    return exists ? std::optional<std::string>(text) : std::nullopt;
  }
  static void WriteSettings(const std::string& bytes) {
    std::FILE* file = std::fopen(SettingsPath().c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  static std::string Lines(const std::string& distance, const std::string& fieldOfView) {
    return "1001->" + distance + "\r\n1002->" + fieldOfView + "\r\n9990->0\r\n9991->\r\n";
  }

  static host::PluginWindow Window() { return host::PluginWindow::Find(); }
  static std::string Text(HWND window) { return host::WindowText(window); }

  host::Scene scene = [] {
    host::Scene s;
    s.points = {host::Point{100, 300}, host::Point{200, 300}};
    return s;
  }();
  host::Session session;
};

}  // namespace e2e_test
