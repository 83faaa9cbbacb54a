// The decimal spin edit on a real EDIT window under the system: the rules act on real messages
// (characters, keys, wheel, paste, cut, focus, mouse on the arrows) and the layout holds on the
// real window with the system's own metrics.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "controls/decimal_separator.h"
#include "controls/doub_spin_description.h"
#include "controls/spindoub.h"
#include "framework/custom_edit.h"
#include "platform/metrics.h"
#include "platform/sound.h"
#include "test_window.h"

namespace {

// Records the text areas the control asks for.
class RecordingSpin : public controls::TDoubSpin {
 public:
  RecordingSpin() : TDoubSpin(nullptr) {}
  void WndProc(platform::Message& m) override {
    if (m.msg == platform::kEmSetRectNp) requested.push_back(*reinterpret_cast<const platform::Rect*>(m.lParam));
    TDoubSpin::WndProc(m);
  }
  std::vector<platform::Rect> requested;
};

controls::DoubSpinDescription DistanceField() {
  controls::DoubSpinDescription d;
  d.tag = 1001;
  d.left = 8;
  d.top = 20;
  d.width = 81;
  d.height = 22;
  d.increment = 0.5;
  d.precision = 15;
  d.maxValue = 10000;
  d.errValue = 10;
  d.alwaysSeparator = false;
  d.tabOrder = 1;
  d.value = 15.5;
  return d;
}

void PutOnClipboard(HWND owner, const std::string& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

std::string ClipboardText(HWND owner) {
  std::string text;
  if (OpenClipboard(owner)) {
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      text = static_cast<const char*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
  }
  return text;
}

class SpinWindow : public ::testing::Test {
 protected:
  SpinWindow() {
    controls::SetDecimalSeparator('.');
    spin = new RecordingSpin;
    controls::ApplyDescription(*spin, DistanceField());
    spin->OnChange = [this](fw::TObject*) { changes.push_back(spin->Text()); };
    spin->SetParent(&window);  // the window is made here, after the description
    other = new fw::TCustomEdit(nullptr);
    other->SetParent(&window);
    other->SetBounds(100, 20, 81, 22);
    other->SetFocus();
    platform::ResetBeepCount();
    changes.clear();
  }
  ~SpinWindow() override {
    delete other;
    delete spin;
  }
  HWND Edit() const { return static_cast<HWND>(spin->HandleIfAllocated()); }
  HWND Pair() const { return static_cast<HWND>(spin->SpinButton()->HandleIfAllocated()); }
  void SetTextQuietly(const std::string& text) {
    spin->SetText(text);
    changes.clear();
    platform::ResetBeepCount();
  }
  void Char(char c) { SendMessageA(Edit(), WM_CHAR, static_cast<unsigned char>(c), 1); }
  void Wheel(int delta) {
    RECT r;
    GetWindowRect(Edit(), &r);
    SendMessageA(Edit(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(r.left + 5, r.top + 5));
  }
  void PressArrow(int x, int y) {
    POINT p{x, y};
    ClientToScreen(Pair(), &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(Pair(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  }
  void ReleaseArrow(int x, int y) { SendMessageA(Pair(), WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

  wintest::TTestWindow& window = wintest::SharedWindow();
  RecordingSpin* spin = nullptr;
  fw::TCustomEdit* other = nullptr;
  std::vector<std::string> changes;
};

TEST_F(SpinWindow, IsARealMultilineEditWithThePairAsAChildWindow) {
  ASSERT_NE(Edit(), nullptr);
  ASSERT_NE(Pair(), nullptr);
  char name[32] = {};
  GetClassNameA(Edit(), name, sizeof name);
  EXPECT_STREQ(name, "TDoubSpin");
  const LONG_PTR style = GetWindowLongPtrA(Edit(), GWL_STYLE);
  EXPECT_NE(style & ES_MULTILINE, 0);
  EXPECT_NE(style & WS_CLIPCHILDREN, 0);
  EXPECT_NE(GetWindowLongPtrA(Edit(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(GetParent(Pair()), Edit());
  EXPECT_EQ(spin->Text(), "15.5");
}

TEST_F(SpinWindow, TheLayoutFollowsTheRuleWithTheRealMetrics) {
  const int fontLine = platform::FontLineHeight(spin->Font().Description());
  const int systemLine = platform::DefaultFontLineHeight();
  const int border = platform::ThinBorderHeight();
  const platform::Rect outer = wintest::WindowRectOf(Edit());
  const platform::Rect client = wintest::ClientRectOf(Edit());
  const platform::Rect pairRect = wintest::WindowRectOf(Pair());
  RECT real{};
  SendMessageA(Edit(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&real));
  ASSERT_FALSE(spin->requested.empty());
  const platform::Rect request = spin->requested.back();
  std::cout << "font line " << fontLine << ", system line " << systemLine << ", thin border " << border
            << ", new style " << platform::NewStyleControls() << ", minimum height " << spin->MinimumHeight() << "\n"
            << "outer " << wintest::Describe(outer) << ", client " << wintest::Describe(client) << "\n"
            << "pair " << wintest::Describe(pairRect) << ", text area asked "
            << wintest::Describe(request) << ", EM_GETRECT (" << real.left << "," << real.top << ")-(" << real.right
            << "," << real.bottom << ")\n";

  // The height: the font fit of the edit, raised to the minimum.
  EXPECT_EQ(outer.Width(), 81);
  EXPECT_GE(outer.Height(), spin->MinimumHeight());
  EXPECT_EQ(spin->Height(), outer.Height());
  const int w = 15;
  ASSERT_TRUE(platform::NewStyleControls());
  EXPECT_EQ(pairRect, platform::RectOf(outer.Width() - w - 5, 0, w, outer.Height() - 5));
  const int up = pairRect.Height() / 2;
  EXPECT_EQ(spin->SpinButton()->UpButton()->BoundsRect(), platform::RectOf(0, 0, w, up));
  EXPECT_EQ(spin->SpinButton()->DownButton()->BoundsRect(), platform::RectOf(0, up - 1, w, pairRect.Height() - up + 1));
  EXPECT_EQ(request, (platform::Rect{0, 0, client.Width() - w - 2, client.Height() + 1}));
  // The edit may trim the area it is given (margins, whole lines), never widen it.
  EXPECT_LE(real.right, request.right);
  EXPECT_LE(real.bottom, request.bottom);
  EXPECT_GE(real.left, 0);
  EXPECT_GE(real.top, 0);
  if (outer.Height() == 22 && client == platform::Rect{0, 0, 77, 18}) {
    // The measure window's fields as designed.
    EXPECT_EQ(pairRect, platform::RectOf(61, 0, 15, 17));
    EXPECT_EQ(request, (platform::Rect{0, 0, 60, 19}));
  }
}

TEST_F(SpinWindow, TypedCharactersAreFilteredOnTheRealEdit) {
  spin->SetFocus();
  SetTextQuietly("");
  for (char c : std::string("1a2\r.5+")) Char(c);
  EXPECT_EQ(spin->Text(), "12.5");
  EXPECT_EQ(platform::BeepCount(), 3);
  EXPECT_EQ(changes, (std::vector<std::string>{"1", "12", "12.", "12.5"}));
  Char('\b');
  EXPECT_EQ(spin->Text(), "12.");
}

TEST_F(SpinWindow, SynthesisedKeyboardInputIsFilteredToo) {
  spin->SetFocus();
  SetForegroundWindow(static_cast<HWND>(window.HandleIfAllocated()));
  SetTextQuietly("");
  std::vector<INPUT> inputs;
  for (WORD key : {WORD{'1'}, WORD{'X'}, WORD{'2'}}) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(down);
    inputs.push_back(up);
  }
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  wintest::Pump(200);
  if (sent == 0 || spin->Text().empty()) {
    GTEST_SKIP() << "synthesised keyboard input does not reach the window on this display";
  }
  EXPECT_EQ(spin->Text(), "12");
  EXPECT_EQ(platform::BeepCount(), 1);
}

TEST_F(SpinWindow, UpAndDownKeysStep) {
  spin->SetFocus();
  SendMessageA(Edit(), WM_KEYDOWN, VK_UP, 1);
  EXPECT_EQ(spin->Text(), "16");
  SendMessageA(Edit(), WM_KEYDOWN, VK_DOWN, 1);
  SendMessageA(Edit(), WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(spin->Text(), "15");
  SetTextQuietly("10000");
  SendMessageA(Edit(), WM_KEYDOWN, VK_UP, 1);
  EXPECT_EQ(spin->Text(), "10000");
  EXPECT_TRUE(changes.empty());
}

TEST_F(SpinWindow, EveryWheelEventIsOneStep) {
  Wheel(120);
  EXPECT_EQ(spin->Text(), "16");
  Wheel(240);
  EXPECT_EQ(spin->Text(), "16.5");
  Wheel(-120);
  EXPECT_EQ(spin->Text(), "16");
  spin->SetReadOnly(true);
  Wheel(120);
  EXPECT_EQ(spin->Text(), "16");
  EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(SpinWindow, PasteIsRefusedWhereAPlainEditPastes) {
  HWND owner = static_cast<HWND>(window.HandleIfAllocated());
  PutOnClipboard(owner, "999");
  SendMessageA(Edit(), EM_SETSEL, 0, -1);
  SendMessageA(Edit(), WM_PASTE, 0, 0);
  EXPECT_EQ(spin->Text(), "15.5");
  Char(22);  // Ctrl+V reaches the edit as a paste request
  EXPECT_EQ(spin->Text(), "15.5");
  EXPECT_TRUE(changes.empty());
  other->SetText("");
  SendMessageA(static_cast<HWND>(other->HandleIfAllocated()), WM_PASTE, 0, 0);
  EXPECT_EQ(other->Text(), "999");
}

TEST_F(SpinWindow, CutOnlyWhenTheEditorIsEnabledAndNotReadOnly) {
  HWND owner = static_cast<HWND>(window.HandleIfAllocated());
  PutOnClipboard(owner, "none");
  spin->SetEditorEnabled(false);
  SendMessageA(Edit(), EM_SETSEL, 0, -1);
  SendMessageA(Edit(), WM_CUT, 0, 0);
  EXPECT_EQ(spin->Text(), "15.5");
  spin->SetEditorEnabled(true);
  spin->SetReadOnly(true);
  SendMessageA(Edit(), WM_CUT, 0, 0);
  EXPECT_EQ(spin->Text(), "15.5");
  EXPECT_EQ(ClipboardText(owner), "none");
  spin->SetReadOnly(false);
  SendMessageA(Edit(), WM_CUT, 0, 0);
  EXPECT_EQ(spin->Text(), "");
  EXPECT_EQ(ClipboardText(owner), "15.5");
  EXPECT_EQ(changes, std::vector<std::string>{""});
}

TEST_F(SpinWindow, EnteringSelectsAllAndLeavingClampsAnOutOfRangeText) {
  SetTextQuietly("20000");
  spin->SetFocus();
  EXPECT_EQ(GetFocus(), Edit());
  DWORD start = 0, end = 0;
  SendMessageA(Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
  other->SetFocus();
  EXPECT_EQ(spin->Text(), "10000");
  EXPECT_EQ(changes, std::vector<std::string>{"10000"});
}

TEST_F(SpinWindow, APressOnTheFieldFocusesItWithoutSelectingAll) {
  SendMessageA(Edit(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
  SendMessageA(Edit(), WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
  EXPECT_EQ(GetFocus(), Edit());
  DWORD start = 0, end = 0;
  SendMessageA(Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end);
}

TEST_F(SpinWindow, TheArrowsStepAndFocusTheField) {
  PressArrow(7, 3);
  EXPECT_EQ(GetFocus(), Edit());
  ReleaseArrow(7, 3);
  EXPECT_EQ(spin->Text(), "16");
  PressArrow(7, 12);
  ReleaseArrow(7, 12);
  EXPECT_EQ(spin->Text(), "15.5");
  EXPECT_NE(GetFocus(), Pair());
}

TEST_F(SpinWindow, HoldingAnArrowRepeatsTheStep) {
  const ULONGLONG pressed = GetTickCount64();
  PressArrow(7, 3);
  wintest::Pump(700);
  const auto held = static_cast<int>(GetTickCount64() - pressed);
  ReleaseArrow(7, 3);
  const int steps = static_cast<int>(changes.size());
  // 1 for the release and the repeats due: at 400 ms and every 100 ms after (timers may come
  // late, never early).
  const int due = (held - 400) / 100 + 1;
  std::cout << "held " << held << " ms: " << steps << " steps (at most " << due + 1 << " due)\n";
  EXPECT_LE(steps, due + 1);
  EXPECT_GE(steps, due - 1);
  EXPECT_GE(steps, 3);
  EXPECT_EQ(spin->Value(), 15.5 + 0.5 * steps);
}

TEST_F(SpinWindow, AlwaysSeparatorWritesTwiceOnTheRealWindowToo) {
  spin->SetAlwaysSeparator(true);
  spin->SetValue(16);
  EXPECT_EQ(changes, (std::vector<std::string>{"16", "16.0"}));
}

}  // namespace
