// The plug-in end to end, through the real library as the host loads it: the window is driven
// with real messages and read back from the real windows, the settings file is looked at on disk.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "plugin_fixture.h"

namespace e2e_test {
namespace {

using host::PluginWindow;

// --- the settings file across sessions -------------------------------------------------------

TEST_F(PluginTest, FirstUseShowsTheStoredValuesAndWritesExactlyFourLines) {
  session.Activate();
  const PluginWindow window = Window();
  ASSERT_TRUE(window.Visible());
  EXPECT_EQ(Text(window.DistanceField()), "15.5");
  EXPECT_EQ(Text(window.FieldOfViewField()), "45.5");
  EXPECT_EQ(Text(window.ResultLabel()), "L = 00.000");
  EXPECT_FALSE(Settings()) << "nothing is written before the window goes";

  session.Finalize();
  session.Pump();
  EXPECT_EQ(PluginWindow::Count(), 0);
  EXPECT_EQ(Settings(), Lines("15.5", "45.5"));
}

TEST_F(PluginTest, ARunWithoutEditsLeavesTheFileUntouched) {
  WriteSettings(Lines("15.5", "45.5"));
  const std::filesystem::path path = SettingsPath();
  const auto earlier = std::filesystem::last_write_time(path) - std::chrono::hours(1);
  std::filesystem::last_write_time(path, earlier);

  session.Activate();
  session.Finalize();
  session.Pump();
  ASSERT_EQ(PluginWindow::Count(), 0);
  EXPECT_EQ(Settings(), Lines("15.5", "45.5"));
  EXPECT_EQ(std::filesystem::last_write_time(path), earlier);
}

TEST_F(PluginTest, SavedTextsComeBackAsSavedAndAreUsed) {
  WriteSettings(Lines("20", "45.5"));
  session.Activate();
  const PluginWindow window = Window();
  EXPECT_EQ(Text(window.DistanceField()), "20");
  window.ClickCalculate();
  EXPECT_EQ(Text(window.ResultLabel()), "L = 1.6773");
}

TEST_F(PluginTest, TypedFieldOfViewBeyondTheRangeComputesWithTheLimit) {
  session.Activate();
  const PluginWindow window = Window();
  PluginWindow::Type(window.FieldOfViewField(), "150");
  window.ClickCalculate();
  EXPECT_EQ(Text(window.ResultLabel()), "L = 5.3694") << "computed with 120 degrees";
  EXPECT_EQ(Text(window.FieldOfViewField()), "150") << "reading the value leaves the text";
  EXPECT_TRUE(session.Boxes().empty());
}

// --- activation and release ------------------------------------------------------------------

TEST_F(PluginTest, ClosedWindowComesBackTheSameWithoutSaving) {
  session.Activate();
  PluginWindow window = Window();
  PluginWindow::Type(window.DistanceField(), "20");
  window.ClickCalculate();
  const HWND handle = window.Handle();
  const RECT place = window.WindowRect();

  window.Close();
  EXPECT_TRUE(window.Exists()) << "closing only hides";
  EXPECT_FALSE(window.Visible());
  session.Pump();
  EXPECT_FALSE(Settings());

  session.Activate();
  window = Window();
  EXPECT_EQ(window.Handle(), handle);
  EXPECT_TRUE(window.Visible());
  const RECT again = window.WindowRect();
  EXPECT_TRUE(EqualRect(&place, &again)) << "shown where it was, not centred again";
  EXPECT_EQ(Text(window.DistanceField()), "20");
  EXPECT_EQ(Text(window.ResultLabel()), "L = 1.6773");

  // The system's close command (the window menu, Alt+F4) only hides it too.
  SendMessageA(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(window.Exists());
  EXPECT_FALSE(window.Visible());
  EXPECT_FALSE(Settings());
}

TEST_F(PluginTest, RepeatedActivationKeepsOneWindowReadsTheFileOnceAndBringsItToTheFront) {
  WriteSettings(Lines("20", "45.5"));
  session.Activate();
  const HWND handle = Window().Handle();
  WriteSettings(Lines("21", "46"));

  // A top-most window of the host's own that covers the plug-in's window.
  const HWND cover =
      CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "cover", WS_POPUP | WS_VISIBLE, 0,
                      0, 2000, 2000, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(cover, nullptr);
  auto above = [](HWND a, HWND b) {
    for (HWND w = GetWindow(b, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
      if (w == a) return true;
    }
    return false;
  };
  host::PumpMessagesFor(100);
  ASSERT_TRUE(above(cover, handle));

  session.Activate();
  host::PumpMessagesFor(100);  // the host's loop runs on; the stacking must hold
  EXPECT_TRUE(above(handle, cover)) << "each activation brings the window to the front";
  session.Activate();
  EXPECT_EQ(PluginWindow::Count(), 1);
  EXPECT_EQ(Window().Handle(), handle);
  EXPECT_EQ(Text(Window().DistanceField()), "20") << "the file is read once";
  DestroyWindow(cover);
}

TEST_F(PluginTest, FinalizeWithoutActivationWritesNothing) {
  session.Finalize();
  session.Pump();
  session.Unload();
  EXPECT_FALSE(Settings());
}

TEST_F(PluginTest, UnloadingBeforeTheReleaseIsDispatchedDestroysTheWindowAndSaves) {
  session.Activate();
  PluginWindow::Type(Window().DistanceField(), "20");
  session.Finalize();
  EXPECT_TRUE(Window().Exists()) << "the release waits for the message loop";
  EXPECT_FALSE(Settings());

  session.Unload();
  EXPECT_EQ(PluginWindow::Count(), 0);
  EXPECT_EQ(Settings(), Lines("20", "45.5"));
  session.Pump();  // the request left in the queue names a window that is gone
}

TEST_F(PluginTest, ReleasedWindowsValuesComeBackAfterANewInitialize) {
  session.Activate();
  PluginWindow::Type(Window().DistanceField(), "33");
  session.Finalize();
  session.Pump();
  EXPECT_EQ(PluginWindow::Count(), 0);
  EXPECT_EQ(Settings(), Lines("33", "45.5"));

  ASSERT_EQ(session.Initialize(), 1);
  session.Activate();
  ASSERT_TRUE(Window().Visible());
  EXPECT_EQ(Text(Window().DistanceField()), "33");
}

// The calling order leaves these open: an activation after the finalisation takes the release
// back (the window stays), one after the release makes a new window, and a second finalisation
// releases once.
TEST_F(PluginTest, ActivationsAndFinalizationsOutsideTheCallingOrderAreSafe) {
  session.Activate();
  const HWND first = Window().Handle();
  session.Finalize();
  session.Activate();
  session.Pump();
  EXPECT_EQ(PluginWindow::Count(), 1);
  EXPECT_EQ(Window().Handle(), first);
  EXPECT_TRUE(Window().Visible());
  EXPECT_FALSE(Settings());

  session.Finalize();
  session.Finalize();
  session.Pump();
  EXPECT_EQ(PluginWindow::Count(), 0);
  EXPECT_EQ(Settings(), Lines("15.5", "45.5"));
  session.Finalize();
  session.Pump();

  WriteSettings(Lines("8", "9"));
  session.Activate();
  EXPECT_EQ(PluginWindow::Count(), 1);
  EXPECT_EQ(Text(Window().DistanceField()), "8") << "a new window, which reads the file";
}

// --- error boxes -----------------------------------------------------------------------------

struct ErrorCase {
  const char* name;
  bool imageOpen;
  std::vector<host::Point> points;
  std::optional<std::int32_t> failingPoint;
  const char* message;
};

class ErrorBoxTest : public PluginTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ErrorBoxTest, ShowsItsMessageOwnedByTheHostTopMostAndKeepsTheResult) {
  const ErrorCase& c = GetParam();
  session.Activate();
  const PluginWindow window = Window();
  window.ClickCalculate();
  ASSERT_EQ(Text(window.ResultLabel()), "L = 1.2999");

  scene.imageOpen = c.imageOpen;
  scene.points = c.points;
  scene.failingPoint = c.failingPoint;
  window.ClickCalculate();
  ASSERT_EQ(session.Boxes().size(), 1u);
  const host::ErrorBox& box = session.Boxes()[0];
  EXPECT_EQ(box.seen.text, c.message);
  EXPECT_EQ(box.seen.caption, "Error");
  EXPECT_EQ(box.seen.owner, session.MainWindowHandle());
  EXPECT_FALSE(box.seen.ownerEnabled) << "modal: the owner takes no input while the box is up";
  ASSERT_TRUE(box.request);
  EXPECT_EQ(box.request->flags, 0x42010u) << "OK, error icon, task-modal, top-most";
  EXPECT_EQ(box.request->owner, session.MainWindowHandle());
  EXPECT_EQ(Text(window.ResultLabel()), "L = 1.2999");
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorBoxTest,
                         ::testing::Values(ErrorCase{"NoImage",
                                                     false,
                                                     {{100, 300}, {200, 300}},
                                                     std::nullopt,
                                                     "No images opened inside Velicore"},
                                           ErrorCase{"ThreePoints",
                                                     true,
                                                     {{1, 1}, {2, 2}, {3, 3}},
                                                     std::nullopt,
                                                     "Select two points over the image"},
                                           ErrorCase{"PointNotDelivered",
                                                     true,
                                                     {{100, 300}, {200, 300}},
                                                     1,
                                                     "Please select two points over the image"}),
                         [](const ::testing::TestParamInfo<ErrorCase>& param) {
                           return std::string(param.param.name);
                         });

// --- the window as the user sees it ----------------------------------------------------------

// The width of a text in the font the window draws it with.
int TextWidthIn(HWND window, const std::string& text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size.cx;
}

TEST_F(PluginTest, WindowIsACentredTopMostToolWindowOfFixedSize) {
  session.Activate();
  const PluginWindow window = Window();
  EXPECT_EQ(host::ClassNameOf(window.Handle()), "TForm1");
  EXPECT_EQ(window.Caption(), "Measure plug-in");
  const SIZE client = window.ClientSize();
  EXPECT_EQ(client.cx, 191);
  EXPECT_EQ(client.cy, 88);

  const LONG_PTR style = window.Style();
  const LONG_PTR exStyle = window.ExStyle();
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(style & WS_SYSMENU, 0) << "the close button";
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0)
      << "fixed size, close button only";
  EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0) << "narrow caption, no taskbar entry";
  EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);
  EXPECT_NE(exStyle & WS_EX_TOPMOST, 0) << "stays on top";
  EXPECT_EQ(window.Owner(), session.MainWindowHandle());

  const RECT r = window.WindowRect();
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  EXPECT_EQ(r.left, std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2));
  EXPECT_EQ(r.top, std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2));
}

TEST_F(PluginTest, ControlsLieWhereTheLayoutPutsThem) {
  session.Activate();
  const PluginWindow window = Window();
  struct Place {
    HWND control;
    const char* what;
    RECT rect;
  };
  for (const Place& p : {Place{window.DistanceField(), "edd", {8, 20, 89, 42}},
                         Place{window.FieldOfViewField(), "edfov", {100, 20, 181, 42}},
                         Place{window.CalculateButton(), "butcalc", {8, 52, 77, 81}}}) {
    ASSERT_NE(p.control, nullptr) << p.what;
    RECT r{};
    GetWindowRect(p.control, &r);
    MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(EqualRect(&r, &p.rect))
        << p.what << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
  EXPECT_EQ(Text(window.CalculateButton()), "Calculate");

  // The labels keep their left and top edges and take the size of their text; screen readers
  // read their captions.
  struct LabelPlace {
    HWND label;
    const char* caption;
    int height;
  };
  for (const LabelPlace& l : {LabelPlace{window.DistanceLabel(), "Distance", 13},
                              LabelPlace{window.FieldOfViewLabel(), "Field of view (\xB0)", 13},
                              LabelPlace{window.ResultLabel(), "L = 00.000", 18}}) {
    ASSERT_NE(l.label, nullptr) << l.caption;
    EXPECT_EQ(Text(l.label), l.caption);
    RECT r{};
    GetWindowRect(l.label, &r);
    EXPECT_EQ(r.bottom - r.top, l.height) << l.caption;
    EXPECT_EQ(r.right - r.left, TextWidthIn(l.label, l.caption)) << l.caption;
  }

  // A longer result grows to the right from the same left edge.
  RECT before{};
  GetWindowRect(window.ResultLabel(), &before);
  PluginWindow::Type(window.DistanceField(), "10000");
  PluginWindow::Type(window.FieldOfViewField(), "120");
  scene.width = 100;
  scene.points = {host::Point{0, 0}, host::Point{1000, 0}};
  window.ClickCalculate();
  EXPECT_EQ(Text(window.ResultLabel()), "L = 3.4641E005");
  RECT after{};
  GetWindowRect(window.ResultLabel(), &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_GT(after.right, before.right);
  EXPECT_EQ(window.ClientSize().cx, 191) << "the window does not grow";
}

TEST_F(PluginTest, FocusStartsOnCalculateAndTabMovesThroughTheFields) {
  session.Activate();
  const PluginWindow window = Window();
  EXPECT_EQ(GetFocus(), window.CalculateButton());
  const HWND order[] = {window.DistanceField(), window.FieldOfViewField(),
                        window.CalculateButton()};
  for (HWND next : order) {
    SendMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001);
    EXPECT_EQ(GetFocus(), next);
  }
}

}  // namespace
}  // namespace e2e_test
