// The window as it is drawn on the screen (under Xvfb: the X server's pixels): the bevel's
// lowered box around the result, and the result in navy. The checks look at the edges and at
// colours, not at the glyphs, so other fonts do not upset them.

#include <gtest/gtest.h>
#include <windows.h>

#include "host/screen_capture.h"
#include "plugin_fixture.h"

namespace e2e_test {
namespace {

bool Navy(std::uint32_t colour) {
  const unsigned red = colour & 0xFFu;
  const unsigned green = (colour >> 8) & 0xFFu;
  const unsigned blue = (colour >> 16) & 0xFFu;
  return red < 60 && green < 60 && blue > 90;
}

TEST_F(PluginTest, ScreenShowsTheBevelAroundANavyResult) {
  session.Activate();
  const host::PluginWindow window = Window();
  window.ClickCalculate();
  ASSERT_EQ(Text(window.ResultLabel()), "L = 1.2999");
  host::PaintNow(window.Handle());

  RECT client{};
  GetClientRect(window.Handle(), &client);
  MapWindowPoints(window.Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  const host::Image shot = host::CaptureScreen(client);
  ASSERT_EQ(shot.width, 191);
  ASSERT_EQ(shot.height, 88);

  const std::uint32_t face = GetSysColor(COLOR_BTNFACE);
  const std::uint32_t shadow = GetSysColor(COLOR_BTNSHADOW);
  const std::uint32_t highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  ASSERT_NE(shadow, face);
  ASSERT_NE(highlight, face);
  // Bevel1: left 88, top 52, 93 x 28. The result label starts at x 99, so the bevel's left part
  // is clear of it.
  for (int x = 89; x < 97; ++x) {
    EXPECT_EQ(shot.Pixel(x, 52), shadow) << "top edge at x " << x;
    EXPECT_EQ(shot.Pixel(x, 79), highlight) << "bottom edge at x " << x;
    EXPECT_EQ(shot.Pixel(x, 65), face) << "inside at x " << x;
  }
  for (int y = 53; y < 79; ++y) {
    EXPECT_EQ(shot.Pixel(88, y), shadow) << "left edge at y " << y;
    EXPECT_EQ(shot.Pixel(87, y), face) << "outside at y " << y;
  }

  // Labl: left 99, top 59, 18 high.
  int navy = 0;
  for (int y = 59; y < 77; ++y) {
    for (int x = 99; x < 191; ++x) {
      navy += Navy(shot.Pixel(x, y)) ? 1 : 0;
    }
  }
  EXPECT_GT(navy, 20) << "the result is drawn in navy";
  int navyElsewhere = 0;
  for (int y = 0; y < 52; ++y) {
    for (int x = 0; x < 191; ++x) {
      navyElsewhere += Navy(shot.Pixel(x, y)) ? 1 : 0;
    }
  }
  EXPECT_EQ(navyElsewhere, 0) << "the captions and fields are not navy";
}

}  // namespace
}  // namespace e2e_test
