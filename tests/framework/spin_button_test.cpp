// The arrow pair, headless: layout, clicks, the focus rule on a press, and the repeat timing
// driven tick by tick.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "framework/custom_edit.h"
#include "framework/spin_button.h"
#include "platform/messages.h"

namespace {

using fw::TSpinButton;
using fw::TTimerSpeedButton;

platform::LParam At(int x, int y) {
  return platform::MakeLParam(static_cast<unsigned>(x), static_cast<unsigned>(y));
}

struct LayoutCase {
  int width, height;
  platform::Rect pair, up, down;
};
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.width << "x" << c.height; }

class SpinButtonLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SpinButtonLayout, StacksTheArrowsOverlappingByOnePixel) {
  const LayoutCase& c = GetParam();
  TSpinButton pair(nullptr);
  pair.SetBounds(61, 0, c.width, c.height);
  EXPECT_EQ(pair.BoundsRect(), c.pair);
  EXPECT_EQ(pair.UpButton()->BoundsRect(), c.up);
  EXPECT_EQ(pair.DownButton()->BoundsRect(), c.down);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SpinButtonLayout,
    ::testing::Values(
        // The fields of the measure window: 15 x 17.
        LayoutCase{15, 17, platform::RectOf(61, 0, 15, 17), platform::RectOf(0, 0, 15, 8), platform::RectOf(0, 7, 15, 10)},
        LayoutCase{15, 18, platform::RectOf(61, 0, 15, 18), platform::RectOf(0, 0, 15, 9), platform::RectOf(0, 8, 15, 10)},
        LayoutCase{20, 31, platform::RectOf(61, 0, 20, 31), platform::RectOf(0, 0, 20, 15), platform::RectOf(0, 14, 20, 17)},
        // Never narrower than 15.
        LayoutCase{9, 17, platform::RectOf(61, 0, 15, 17), platform::RectOf(0, 0, 15, 8), platform::RectOf(0, 7, 15, 10)}));

// A pair inside a field, as the spin edit has it, with the clicks logged.
class PairFixture : public ::testing::Test {
 protected:
  PairFixture() {
    field = new fw::TCustomEdit(nullptr);
    field->SetParent(&form);
    field->SetBounds(8, 20, 81, 22);
    other = new fw::TCustomEdit(nullptr);
    other->SetParent(&form);
    pair = new TSpinButton(field);
    pair->SetParent(field);
    pair->SetBounds(61, 0, 15, 17);
    pair->SetFocusControl(field);
    pair->OnUpClick = [this](fw::TObject* sender) {
      EXPECT_EQ(sender, pair);
      clicks.push_back("up");
    };
    pair->OnDownClick = [this](fw::TObject* sender) {
      EXPECT_EQ(sender, pair);
      clicks.push_back("down");
    };
  }
  void Press(int x, int y) { pair->Perform(platform::kWmLButtonDown, platform::kMkLButton, At(x, y)); }
  void Move(int x, int y) { pair->Perform(platform::kWmMouseMove, platform::kMkLButton, At(x, y)); }
  void Release(int x, int y) { pair->Perform(platform::kWmLButtonUp, 0, At(x, y)); }
  void Tick(TTimerSpeedButton* arrow) { arrow->Perform(platform::kWmTimer, arrow->TimerId(), 0); }

  fw::TWinControl form{nullptr};
  fw::TCustomEdit* field = nullptr;
  fw::TCustomEdit* other = nullptr;
  TSpinButton* pair = nullptr;
  std::vector<std::string> clicks;
};

TEST_F(PairFixture, APressAndReleaseOverAnArrowIsOneClick) {
  Press(7, 3);
  EXPECT_TRUE(pair->UpButton()->Down());
  EXPECT_TRUE(clicks.empty());
  Release(7, 3);
  Press(7, 12);
  Release(7, 12);
  EXPECT_EQ(clicks, (std::vector<std::string>{"up", "down"}));
  EXPECT_FALSE(pair->UpButton()->Down());
  EXPECT_FALSE(pair->DownButton()->Tracking());
}

TEST_F(PairFixture, TheOverlappingRowBelongsToTheDownArrow) {
  Press(7, 7);
  Release(7, 7);
  EXPECT_EQ(clicks, std::vector<std::string>{"down"});
}

TEST_F(PairFixture, AReleaseAwayFromThePressedArrowIsNoClick) {
  Press(7, 3);
  Move(7, 12);  // over the other arrow: the pressed one lets go of its pressed look
  EXPECT_FALSE(pair->UpButton()->Down());
  EXPECT_FALSE(pair->DownButton()->Down());
  Release(7, 12);
  Press(7, 3);
  Move(30, 3);
  Move(7, 4);  // back over it before the release
  Release(7, 4);
  EXPECT_EQ(clicks, std::vector<std::string>{"up"});
}

TEST_F(PairFixture, RepeatsAfter400MsThenEvery100MsWhileHeldOverTheArrow) {
  TTimerSpeedButton* up = pair->UpButton();
  Press(7, 3);
  EXPECT_EQ(up->TimerInterval(), TTimerSpeedButton::kInitialRepeatDelay);
  Tick(up);
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_EQ(up->TimerInterval(), TTimerSpeedButton::kRepeatInterval);
  Tick(up);
  Tick(up);
  EXPECT_EQ(clicks.size(), 3u);
  Move(40, 3);  // off the arrow: the repetition pauses
  Tick(up);
  EXPECT_EQ(clicks.size(), 3u);
  Move(7, 3);
  Tick(up);
  EXPECT_EQ(clicks.size(), 4u);
  Release(7, 3);  // the release over the arrow is itself a click, and ends the repetition
  EXPECT_EQ(clicks.size(), 5u);
  EXPECT_EQ(up->TimerInterval(), 0u);
  EXPECT_EQ(pair->DownButton()->TimerInterval(), 0u);
}

TEST_F(PairFixture, APressGivesTheFocusToTheFocusControlButNeverToThePair) {
  other->SetFocus();
  Press(7, 3);
  Release(7, 3);
  EXPECT_TRUE(field->Focused());
  EXPECT_FALSE(pair->Focused());
  EXPECT_FALSE(pair->TabStop());
}

struct FocusRuleCase {
  const char* name;
  bool tabStop;
  bool enabled;
  bool alreadyFocused;
  bool focusedAfter;
};
void PrintTo(const FocusRuleCase& c, std::ostream* os) { *os << c.name; }

class PairFocusRule : public PairFixture, public ::testing::WithParamInterface<FocusRuleCase> {};

TEST_P(PairFocusRule, FocusGoesOnlyToAFocusableTabStopThatLacksIt) {
  const FocusRuleCase& c = GetParam();
  std::vector<std::string> log;
  field->SetTabStop(c.tabStop);
  if (c.alreadyFocused) {
    field->SetFocus();
  } else {
    other->SetFocus();
  }
  field->OnEnter = [&log](fw::TObject*) { log.push_back("enter"); };
  // A disabled field still holds the pair; only the focus rule sees it.
  field->SetEnabled(c.enabled);
  Press(7, 3);
  Release(7, 3);
  EXPECT_EQ(field->Focused(), c.focusedAfter);
  EXPECT_EQ(log.empty(), !(c.focusedAfter && !c.alreadyFocused));
}

INSTANTIATE_TEST_SUITE_P(Rules, PairFocusRule,
                         ::testing::Values(FocusRuleCase{"FocusableTabStop", true, true, false, true},
                                           FocusRuleCase{"NotATabStop", false, true, false, false},
                                           FocusRuleCase{"CannotFocus", true, false, false, false},
                                           FocusRuleCase{"AlreadyFocused", true, true, true, true}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

}  // namespace
