// A headless create/use/destroy cycle of the measure window and its components, for a memory
// checker (valgrind memcheck in a build without sanitizers; ASan and LSan in the sanitizer
// build): the host's calls make the window, the user types and calculates, the release and the
// unload destroy it and save its fields, and the store reads a hostile file into a component of
// every kind. Every allocation must be given back.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "controls/decimal_separator.h"
#include "fake_host.h"
#include "framework/application.h"
#include "framework/check_box.h"
#include "framework/combo_box.h"
#include "framework/list_box.h"
#include "framework/radio_button.h"
#include "framework/radio_group.h"
#include "measure/Unit1.h"
#include "platform/messages.h"
#include "plugin/library_state.h"
#include "settings/settings_path.h"

namespace {

std::int32_t MEASURE_STDCALL NoHost(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  return 0;
}

std::string SettingsPath() { return settings::SettingsPath("measure.ini"); }

std::string ReadSettings() {
  std::ifstream in(SettingsPath(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteSettings(const std::string& bytes) {
  std::ofstream out(SettingsPath(), std::ios::binary | std::ios::trunc);
  out << bytes;
}

void Type(controls::TDoubSpin& field, const std::string& text) {
  field.SelectAll();
  for (char c : text) {
    field.Perform(platform::kWmChar, static_cast<unsigned char>(c), 0);
  }
}

class WindowCycle : public testing::Test {
 protected:
  void SetUp() override {
    std::remove(SettingsPath().c_str());
    char name[8];
    char description[22];
    plugin::Initialize(&NoHost, name, description, nullptr);
    host_.points = {{100, 300}, {200, 300}};
  }
  void TearDown() override {
    fw::ShutdownApplication();
    std::remove(SettingsPath().c_str());
  }

  // Activates, types, calculates; the window is left alive.
  measure::TForm1& ActivateAndUse(const std::string& distance) {
    plugin::Activate();
    measure::TForm1& window = *plugin::WindowReference();
    window.SetHostLink(&host_);
    Type(*window.edd, distance);
    window.edfov->StepUp(nullptr);
    window.butcalc->Click();
    return window;
  }

  measure_test::FakeHost host_;
};

TEST_F(WindowCycle, ReleasedByTheLoopSavesAndComesBack) {
  for (int round = 0; round < 3; ++round) {
    measure::TForm1& window = ActivateAndUse(std::to_string(20 + round));
    EXPECT_NE(window.Labl->Caption(), "L = 00.000");
    plugin::Finalize();
    fw::Application().ProcessMessages();
    ASSERT_EQ(plugin::WindowReference(), nullptr);
    // Each window reads what the one before saved and steps the field of view on.
    const char* const fieldOfView[] = {"46", "46.5", "47"};
    EXPECT_EQ(ReadSettings(), "1001->" + std::to_string(20 + round) + "\r\n1002->" +
                                  fieldOfView[round] + "\r\n9990->0\r\n9991->\r\n");
  }
}

TEST_F(WindowCycle, DestroyedAtUnloadSaves) {
  ActivateAndUse("33");
  plugin::Unload();
  EXPECT_EQ(plugin::WindowReference(), nullptr);
  EXPECT_EQ(ReadSettings(), "1001->33\r\n1002->46\r\n9990->0\r\n9991->\r\n");
}

TEST_F(WindowCycle, HostileFileIntoTheWindow) {
  WriteSettings("\xEF\xBB\xBF" "1001->1\r\n1002->" + std::string(32767, '9') +
                "\r\n9990->x\r\n9991->" + std::string(1000, 's') + "\r\n" + std::string(64, '\0'));
  plugin::Activate();
  measure::TForm1& window = *plugin::WindowReference();
  EXPECT_EQ(window.edd->Text(), "15.5");
  EXPECT_EQ(window.edfov->Text().size(), 32767u);
  EXPECT_EQ(window.edfov->Value(), 120);
  plugin::Finalize();
  fw::Application().ProcessMessages();
  EXPECT_EQ(ReadSettings().size(), 37u + 32767u + 1000u);
}

// The store with a component of every kind, reading a file with lines for all of them.
TEST(StoreCycle, EveryKindLoadsAndSaves) {
  std::remove(SettingsPath().c_str());
  WriteSettings("1001->text\r\n1002->1\r\n1003->-5\r\n1004->2\r\n1005->99\r\n1006->1\r\n"
                "\x54\x68\x6C\x69\x53\x5A\x6A\x6E\x59%v\r\n9991->slot\r\n");
  {
    fw::TComponent form(nullptr);
    form.SetName("Form1");
    auto* store = new settings::TAutoSave(&form);
    store->SetTag(1000);
    auto* edit = new fw::TCustomEdit(&form);
    edit->SetTag(1001);
    auto* check = new fw::TCheckBox(&form);
    check->SetTag(1002);
    auto* radio = new fw::TRadioButton(&form);
    radio->SetTag(1003);
    auto* list = new fw::TListBox(&form);
    list->SetTag(1004);
    list->SetItems({"a", "b", "c"});
    auto* combo = new fw::TComboBox(&form);
    combo->SetTag(1005);
    combo->SetItems({"a", "b"});
    auto* group = new fw::TRadioGroup(&form);
    group->SetTag(1006);
    group->SetItems({"a", "b"});
    store->LoadSettings("measure.ini", form);
    EXPECT_EQ(edit->Text(), "text");
    EXPECT_TRUE(check->Checked());
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(store->TagString(), "slot");
    store->SaveSettings("measure.ini", form);
  }
  EXPECT_EQ(ReadSettings(),
            "1001->text\r\n1002->1\r\n1003->1\r\n1004->2\r\n1005->-1\r\n1006->1\r\n9990->0\r\n"
            "9991->slot\r\n");
  std::remove(SettingsPath().c_str());
}

}  // namespace
