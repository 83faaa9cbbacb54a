// Headless controls: focus moving between controls, tab order, sizes and client areas, font
// inheritance, the control timer, and mouse input routed to child controls without a window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/control.h"
#include "framework/custom_edit.h"
#include "platform/messages.h"

namespace {

using fw::TWinControl;

// Records the focus messages it receives, with the focus as it stands at that moment.
class FocusProbe : public TWinControl {
 public:
  FocusProbe(TWinControl* parent, std::string name, std::vector<std::string>& log)
      : TWinControl(nullptr), log_(log) {
    SetName(std::move(name));
    SetParent(parent);
    OnEnter = [this](fw::TObject*) { log_.push_back(Name() + ":enter"); };
    OnExit = [this](fw::TObject*) { log_.push_back(Name() + ":exit"); };
  }

 protected:
  void WMSetFocus(platform::Message& m) override {
    log_.push_back(Name() + ":setfocus");
    TWinControl::WMSetFocus(m);
  }
  void WMKillFocus(platform::Message& m) override {
    log_.push_back(Name() + ":killfocus(focused=" + (Focused() ? "self" : "other") + ")");
    TWinControl::WMKillFocus(m);
  }

 private:
  std::vector<std::string>& log_;
};

TEST(HeadlessFocus, MovesWithKillFocusToTheOldThenSetFocusToTheNew) {
  std::vector<std::string> log;
  TWinControl form(nullptr);
  auto* a = new FocusProbe(&form, "a", log);
  auto* b = new FocusProbe(&form, "b", log);
  a->SetFocus();
  EXPECT_TRUE(a->Focused());
  b->SetFocus();
  EXPECT_TRUE(b->Focused());
  EXPECT_FALSE(a->Focused());
  EXPECT_EQ(TWinControl::FocusedControl(), b);
  b->SetFocus();  // already there: nothing happens
  EXPECT_EQ(log, (std::vector<std::string>{"a:setfocus", "a:enter", "a:killfocus(focused=other)", "a:exit",
                                           "b:setfocus", "b:enter"}));
}

TEST(HeadlessFocus, ADestroyedControlGivesUpTheFocusSilently) {
  std::vector<std::string> log;
  TWinControl form(nullptr);
  auto* a = new FocusProbe(&form, "a", log);
  a->SetFocus();
  delete a;
  EXPECT_EQ(TWinControl::FocusedControl(), nullptr);
  EXPECT_EQ(log.back(), "a:enter");
}

TEST(HeadlessFocus, CanFocusNeedsTheControlAndEveryParentVisibleAndEnabled) {
  TWinControl form(nullptr);
  auto* panel = new TWinControl(nullptr);
  panel->SetParent(&form);
  auto* edit = new fw::TCustomEdit(nullptr);
  edit->SetParent(panel);
  EXPECT_TRUE(edit->CanFocus());
  panel->SetEnabled(false);
  EXPECT_FALSE(edit->CanFocus());
  panel->SetEnabled(true);
  form.SetVisible(false);
  EXPECT_FALSE(edit->CanFocus());
  form.SetVisible(true);
  edit->SetVisible(false);
  EXPECT_FALSE(edit->CanFocus());
}

TEST(TabOrder, FollowsInsertionAndCanBeRearranged) {
  TWinControl form(nullptr);
  auto* a = new fw::TCustomEdit(nullptr);
  auto* b = new fw::TCustomEdit(nullptr);
  auto* c = new fw::TCustomEdit(nullptr);
  for (auto* e : {a, b, c}) e->SetParent(&form);
  EXPECT_EQ(a->TabOrder(), 0);
  EXPECT_EQ(c->TabOrder(), 2);
  c->SetTabOrder(0);
  EXPECT_EQ(c->TabOrder(), 0);
  EXPECT_EQ(a->TabOrder(), 1);
  EXPECT_EQ(b->TabOrder(), 2);
  a->SetTabOrder(99);  // beyond the end: last
  EXPECT_EQ(a->TabOrder(), 2);
  EXPECT_EQ(form.FindNextControl(c, true, true), b);
  EXPECT_EQ(form.FindNextControl(a, true, true), c);  // wraps round
  EXPECT_EQ(form.FindNextControl(c, false, true), a);
  b->SetTabStop(false);
  EXPECT_EQ(form.FindNextControl(c, true, true), a);
}

// A form that moves the focus on Tab.
class TabbingForm : public TWinControl {
 public:
  TabbingForm() : TWinControl(nullptr) {}

 protected:
  bool DialogKey(unsigned key, fw::TShiftState) override {
    if (key != platform::kVkTab) return false;
    if (TWinControl* next = FindNextControl(FocusedControl(), true, true)) next->SetFocus();
    return true;
  }
};

TEST(DialogKeys, TabIsOfferedToTheFormAndItsCharacterDropped) {
  TabbingForm form;
  auto* a = new fw::TCustomEdit(nullptr);
  auto* b = new fw::TCustomEdit(nullptr);
  a->SetParent(&form);
  b->SetParent(&form);
  a->SetText("x");
  a->SetFocus();
  a->Perform(platform::kWmKeyDown, platform::kVkTab, 0);
  a->Perform(platform::kWmChar, '\t', 0);
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(a->Text(), "x");
  // A later character reaches the field as usual.
  b->Perform(platform::kWmChar, 'y', 0);
  EXPECT_EQ(b->Text(), "y");
}

TEST(Bounds, HeadlessResizeDeliversWmSizeWithTheClientSize) {
  struct SizeProbe : fw::TCustomEdit {
    SizeProbe() : TCustomEdit(nullptr) {}
    std::vector<std::pair<int, int>> sizes;
    void WMSize(platform::Message& m) override {
      sizes.emplace_back(platform::LowWord(static_cast<std::uintptr_t>(m.lParam)),
                         platform::HighWord(static_cast<std::uintptr_t>(m.lParam)));
      TCustomEdit::WMSize(m);
    }
  } edit;
  edit.SetBounds(8, 20, 81, 22);
  edit.SetLeft(9);  // a move alone is no resize
  ASSERT_EQ(edit.sizes.size(), 1u);
  // The sunken edge is two pixels on every side.
  EXPECT_EQ(edit.sizes[0], (std::pair<int, int>{77, 18}));
  EXPECT_EQ(edit.ClientWidth(), 77);
  EXPECT_EQ(edit.ClientHeight(), 18);
  edit.SetCtl3D(false);  // a thin border instead
  EXPECT_EQ(edit.ClientWidth(), 79);
}

TEST(Fonts, ChildrenFollowTheirParentsFontUntilGivenOne) {
  TWinControl form(nullptr);
  auto* a = new fw::TCustomEdit(nullptr);
  auto* b = new fw::TCustomEdit(nullptr);
  a->SetParent(&form);
  b->SetParent(&form);
  const fw::TFont tahoma("Tahoma", 11);
  const fw::TFont arial("Arial", 15, fw::fsBold, fw::clNavy, fw::kAnsiCharset);
  b->SetFont(arial);
  form.SetFont(tahoma);
  EXPECT_EQ(a->Font(), tahoma);
  EXPECT_EQ(b->Font(), arial);
  EXPECT_TRUE(a->ParentFont());
  EXPECT_FALSE(b->ParentFont());
  EXPECT_EQ(arial.Size(), 11);
  EXPECT_EQ(tahoma.Size(), 8);
}

// A control without a window that logs its mouse input.
class MouseProbe : public fw::TControl {
 public:
  MouseProbe(TWinControl* parent, std::string name, std::vector<std::string>& log) : TControl(nullptr), log_(log) {
    SetName(std::move(name));
    SetParent(parent);
  }
  void WndProc(platform::Message& m) override {
    const int x = platform::SignedLowWord(static_cast<std::uintptr_t>(m.lParam));
    const int y = platform::SignedHighWord(static_cast<std::uintptr_t>(m.lParam));
    if (m.msg == platform::kWmLButtonDown) log_.push_back(Name() + " down " + std::to_string(x) + "," + std::to_string(y));
    if (m.msg == platform::kWmMouseMove) log_.push_back(Name() + " move " + std::to_string(x) + "," + std::to_string(y));
    if (m.msg == platform::kWmLButtonUp) log_.push_back(Name() + " up " + std::to_string(x) + "," + std::to_string(y));
    TControl::WndProc(m);
  }

 private:
  std::vector<std::string>& log_;
};

TEST(MouseRouting, APressHoldsTheMouseForItsControlUntilTheRelease) {
  std::vector<std::string> log;
  TWinControl form(nullptr);
  auto* top = new MouseProbe(&form, "top", log);
  auto* bottom = new MouseProbe(&form, "bottom", log);
  top->SetBounds(10, 10, 20, 10);
  bottom->SetBounds(10, 19, 20, 10);  // overlaps `top` by one row and lies above it
  auto at = [](int x, int y) { return platform::MakeLParam(static_cast<unsigned>(x), static_cast<unsigned>(y)); };
  form.Perform(platform::kWmLButtonDown, platform::kMkLButton, at(15, 19));
  form.Perform(platform::kWmMouseMove, platform::kMkLButton, at(15, 12));  // over `top`, still bottom's
  form.Perform(platform::kWmLButtonUp, 0, at(15, 12));
  form.Perform(platform::kWmMouseMove, 0, at(15, 12));  // released: now top's
  form.Perform(platform::kWmMouseMove, 0, at(50, 50));  // over nothing
  EXPECT_EQ(log, (std::vector<std::string>{"bottom down 5,0", "bottom move 5,-7", "bottom up 5,-7", "top move 5,2"}));
}

TEST(ControlTimer, HeadlessTimerIsRecordedAndTickedByPerform) {
  struct Ticker : fw::TControl {
    Ticker() : TControl(nullptr) {}
    int ticks = 0;
    void Timer() override { ++ticks; }
  } ticker;
  EXPECT_EQ(ticker.TimerInterval(), 0u);
  ticker.StartTimer(250);
  EXPECT_EQ(ticker.TimerInterval(), 250u);
  ticker.Perform(platform::kWmTimer, ticker.TimerId(), 0);
  EXPECT_EQ(ticker.ticks, 1);
  ticker.StopTimer();
  EXPECT_EQ(ticker.TimerInterval(), 0u);
}

}  // namespace
