// The host's activation and finalisation calls without windows: one window however often it is
// activated, the deferred release and the reference that follows the window's life, unloading
// with the window alive, and the cases the calling order leaves open (activation after
// finalisation, a second finalisation).

#include <gtest/gtest.h>

#include "controls/decimal_separator.h"
#include "framework/application.h"
#include "measure/Unit1.h"
#include "plugin/library_state.h"
#include "settings_file.h"

namespace {

using window_test::SavedLines;

std::int32_t MEASURE_STDCALL NoHost(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  return 0;
}

int WindowsAlive() {
  int count = 0;
  for (int i = 0; i < fw::Application().ComponentCount(); ++i) {
    count += fw::Application().Components(i)->Is<measure::TForm1>() ? 1 : 0;
  }
  return count;
}

class ActivationTest : public ::testing::Test {
 protected:
  void SetUp() override { Initialize(); }
  void TearDown() override { fw::ShutdownApplication(); }

  void Initialize() {
    char name[8];
    char description[22];
    plugin::Initialize(&NoHost, name, description, nullptr);
  }
  // The host's message loop.
  static void Dispatch() { fw::Application().ProcessMessages(); }

  window_test::SettingsFile file;
};

TEST_F(ActivationTest, RepeatedActivationShowsOneWindowAndReadsTheFileOnce) {
  file.Write(SavedLines("20", "30"));
  plugin::Activate();
  measure::TForm1* window = plugin::WindowReference();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->edd->Text(), "20");

  file.Write(SavedLines("21", "31"));
  plugin::Activate();
  plugin::Activate();
  EXPECT_EQ(plugin::WindowReference(), window);
  EXPECT_EQ(WindowsAlive(), 1);
  EXPECT_EQ(window->edd->Text(), "20") << "the file is read at creation only";
}

TEST_F(ActivationTest, ClosedWindowComesBackAsItWasWithoutSaving) {
  plugin::Activate();
  measure::TForm1* window = plugin::WindowReference();
  window->edd->SetText("44");
  window->SetBounds(10, 20, window->Width(), window->Height());
  window->Close();
  EXPECT_FALSE(window->Visible());
  EXPECT_FALSE(file.Contents()) << "closing saves nothing";

  plugin::Activate();
  EXPECT_EQ(plugin::WindowReference(), window);
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->edd->Text(), "44");
  EXPECT_EQ(window->Left(), 10);
  EXPECT_EQ(window->Top(), 20);
}

TEST_F(ActivationTest, FinalizeReleasesTheWindowWhenTheLoopDispatches) {
  plugin::Activate();
  plugin::WindowReference()->edd->SetText("33");
  plugin::Finalize();
  EXPECT_NE(plugin::WindowReference(), nullptr) << "the reference stays until the window is gone";
  EXPECT_EQ(WindowsAlive(), 1);
  EXPECT_FALSE(file.Contents());

  Dispatch();
  EXPECT_EQ(WindowsAlive(), 0);
  EXPECT_EQ(plugin::WindowReference(), nullptr);
  EXPECT_EQ(file.Contents(), SavedLines("33", "45.5"));

  // A new session reads what the old window saved.
  Initialize();
  plugin::Activate();
  EXPECT_EQ(plugin::WindowReference()->edd->Text(), "33");
}

TEST_F(ActivationTest, FinalizeWithoutActivationDoesNothing) {
  plugin::Finalize();
  Dispatch();
  fw::ShutdownApplication();
  EXPECT_FALSE(file.Contents());
}

TEST_F(ActivationTest, UnloadingBeforeTheDispatchDestroysTheWindowAndSaves) {
  plugin::Activate();
  plugin::WindowReference()->edfov->SetText("60");
  plugin::Finalize();
  plugin::Unload();
  EXPECT_EQ(plugin::WindowReference(), nullptr);
  EXPECT_EQ(file.Contents(), SavedLines("15.5", "60"));
}

TEST_F(ActivationTest, EndingTheProcessSavesAndKeepsTheWindow) {
  plugin::Activate();
  plugin::WindowReference()->edd->SetText("7");
  plugin::ProcessExit();
  EXPECT_EQ(file.Contents(), SavedLines("7", "45.5"));
  EXPECT_EQ(WindowsAlive(), 1);
  file.Remove();
  fw::ShutdownApplication();
  EXPECT_FALSE(file.Contents()) << "the destroy event ran once";
}

TEST_F(ActivationTest, ActivationBeforeTheDispatchTakesTheReleaseBack) {
  plugin::Activate();
  measure::TForm1* window = plugin::WindowReference();
  plugin::Finalize();
  plugin::Activate();
  Dispatch();
  EXPECT_EQ(plugin::WindowReference(), window);
  EXPECT_EQ(WindowsAlive(), 1);
  EXPECT_TRUE(window->Visible());
  EXPECT_FALSE(file.Contents());

  plugin::Finalize();
  Dispatch();
  EXPECT_EQ(WindowsAlive(), 0);
}

TEST_F(ActivationTest, ActivationAfterTheReleaseMakesANewWindow) {
  plugin::Activate();
  plugin::WindowReference()->edd->SetText("12");
  plugin::Finalize();
  Dispatch();
  plugin::Activate();
  ASSERT_NE(plugin::WindowReference(), nullptr);
  EXPECT_EQ(WindowsAlive(), 1);
  EXPECT_EQ(plugin::WindowReference()->edd->Text(), "12") << "the new window reads the file";
}

TEST_F(ActivationTest, SecondFinalizeReleasesOnce) {
  plugin::Activate();
  plugin::Finalize();
  plugin::Finalize();
  Dispatch();
  EXPECT_EQ(WindowsAlive(), 0);
  plugin::Finalize();
  Dispatch();
  EXPECT_EQ(plugin::WindowReference(), nullptr);
}

}  // namespace
