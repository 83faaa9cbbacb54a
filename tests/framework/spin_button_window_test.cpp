// The arrow pair on a real window: clicks with real mouse messages, the focus rule, and the
// repeat on real timers.

#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>

#include "framework/custom_edit.h"
#include "framework/spin_button.h"
#include "test_window.h"

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class PairWindow : public ::testing::Test {
 protected:
  PairWindow() {
    field = new fw::TCustomEdit(nullptr);
    field->SetParent(&window);
    field->SetBounds(10, 10, 100, 22);
    other = new fw::TCustomEdit(nullptr);
    other->SetParent(&window);
    other->SetBounds(10, 50, 100, 22);
    pair = new fw::TSpinButton(nullptr);
    pair->SetParent(&window);
    pair->SetBounds(120, 10, 15, 17);
    pair->SetFocusControl(field);
    pair->OnUpClick = [this](fw::TObject*) { ++ups; };
    pair->OnDownClick = [this](fw::TObject*) { ++downs; };
    other->SetFocus();
  }
  ~PairWindow() override {
    delete pair;
    delete other;
    delete field;
  }
  HWND Pair() const { return static_cast<HWND>(pair->HandleIfAllocated()); }
  // Puts the real pointer where the press goes, so the system's own mouse moves agree with it.
  void Press(int x, int y) {
    POINT p{x, y};
    ClientToScreen(Pair(), &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(Pair(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
  }

  wintest::TTestWindow& window = wintest::SharedWindow();
  fw::TCustomEdit* field = nullptr;
  fw::TCustomEdit* other = nullptr;
  fw::TSpinButton* pair = nullptr;
  int ups = 0;
  int downs = 0;
};

TEST_F(PairWindow, IsAWindowOfItsOwnThatClicksOncePerPressAndRelease) {
  ASSERT_NE(Pair(), nullptr);
  EXPECT_EQ(wintest::WindowRectOf(Pair()), platform::RectOf(120, 10, 15, 17));
  Press(7, 3);
  EXPECT_EQ(GetCapture(), Pair());
  SendMessageA(Pair(), WM_LBUTTONUP, 0, At(7, 3));
  EXPECT_NE(GetCapture(), Pair());
  Press(7, 12);
  SendMessageA(Pair(), WM_LBUTTONUP, 0, At(7, 12));
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(downs, 1);
}

TEST_F(PairWindow, APressFocusesTheFocusControlAndNeverThePair) {
  Press(7, 3);
  SendMessageA(Pair(), WM_LBUTTONUP, 0, At(7, 3));
  EXPECT_EQ(GetFocus(), static_cast<HWND>(field->HandleIfAllocated()));
  EXPECT_NE(GetFocus(), Pair());
}

TEST_F(PairWindow, HoldingAnArrowRepeatsOnRealTimers) {
  const ULONGLONG pressed = GetTickCount64();
  Press(7, 3);
  wintest::Pump(250);
  EXPECT_EQ(ups, 0) << "no repeat before 400 ms";
  wintest::Pump(450);
  const int repeats = ups;
  const auto held = static_cast<int>(GetTickCount64() - pressed);
  SendMessageA(Pair(), WM_LBUTTONUP, 0, At(7, 3));
  // Repeats at 400 ms and every 100 ms after; timers may come late, never early.
  const int expected = held >= 400 ? (held - 400) / 100 + 1 : 0;
  std::cout << "held " << held << " ms: " << repeats << " repeats (at most " << expected
            << " due), " << ups << " clicks with the release\n";
  EXPECT_LE(repeats, expected);
  EXPECT_GE(repeats, expected - 2);
  EXPECT_GE(repeats, 2);
  EXPECT_EQ(ups, repeats + 1);
  wintest::Pump(300);  // the release ended the repetition
  EXPECT_EQ(ups, repeats + 1);
  EXPECT_EQ(downs, 0);
}

TEST_F(PairWindow, HeldOffTheArrowTheRepetitionPauses) {
  Press(7, 3);
  POINT away{60, 3};
  ClientToScreen(Pair(), &away);
  SetCursorPos(away.x, away.y);
  SendMessageA(Pair(), WM_MOUSEMOVE, MK_LBUTTON, At(60, 3));
  wintest::Pump(700);
  SendMessageA(Pair(), WM_LBUTTONUP, 0, At(60, 3));
  EXPECT_EQ(ups, 0);
}

}  // namespace
