// The decimal spin edit, headless: reading and writing the text, the typing filter, stepping by
// keys, wheel and arrows, paste and cut, entering and leaving, the height and the layout.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "controls/decimal_separator.h"
#include "controls/spindoub.h"
#include "platform/messages.h"
#include "platform/metrics.h"
#include "platform/sound.h"
#include "spin_fixture.h"

namespace {

using spintest::SpinFixture;

// ---------------------------------------------------------------------------------------------
// Reading the text

struct ReadCase {
  const char* name;
  std::string text;
  double number;
  bool beeps;
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class TextReading : public SpinFixture, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(TextReading, GivesTheNumberOrErrValueWithABeepUnlessEmpty) {
  const ReadCase& c = GetParam();
  spin->SetErrValue(7);
  SetTextQuietly(c.text);
  const double value = spin->Value();
  EXPECT_EQ(value, c.number);
  EXPECT_EQ(std::signbit(value), std::signbit(c.number));
  EXPECT_EQ(platform::BeepCount(), c.beeps ? 1 : 0);
  EXPECT_EQ(spin->Text(), c.text);  // reading never touches the text
  spin->SetBeepError(false);
  spin->Value();
  EXPECT_EQ(platform::BeepCount(), c.beeps ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextReading,
    ::testing::Values(ReadCase{"Empty", "", 7, false}, ReadCase{"Blanks", "   ", 7, true},
                      ReadCase{"LoneMinus", "-", 7, true}, ReadCase{"LoneDot", ".", 0, false},
                      ReadCase{"LeadingBlanks", "  12.5", 12.5, false}, ReadCase{"TrailingBlank", "12.5 ", 7, true},
                      ReadCase{"Letters", "abc", 7, true}, ReadCase{"Comma", "1,5", 7, true},
                      ReadCase{"Exponent", "1e3", 1000, false}, ReadCase{"NegativeZero", "-0", -0.0, false},
                      ReadCase{"BeyondDoubleRange", "1e400", 7, true},
                      // Only the first 100 characters are read: the letter at 101 is not seen.
                      ReadCase{"HundredDigitsThenALetter", "1" + std::string(99, '0') + "x", 1e99, false},
                      ReadCase{"LetterWithinTheFirstHundred", "1" + std::string(98, '0') + "xx", 7, true}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(SpinFixture, WithACommaSeparatorBothCommaAndDotReadAsTheDecimalPoint) {
  controls::SetDecimalSeparator(',');
  SetTextQuietly("1,5");
  EXPECT_EQ(spin->Value(), 1.5);
  SetTextQuietly("2.5");
  EXPECT_EQ(spin->Value(), 2.5);
  EXPECT_EQ(platform::BeepCount(), 0);
  EXPECT_TRUE(spin->AcceptsKey(','));
  EXPECT_TRUE(spin->AcceptsKey('.'));
  spin->SetValue(1.25);
  EXPECT_EQ(spin->Text(), "1,25");
}

struct ClampCase {
  std::string text;
  double value;
};
void PrintTo(const ClampCase& c, std::ostream* os) { *os << "\"" << c.text << "\""; }

class ReadingClamps : public SpinFixture, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(ReadingClamps, ValueBringsTheNumberIntoTheRange) {
  MakeFieldOfViewField();
  SetTextQuietly(GetParam().text);
  EXPECT_EQ(spin->Value(), GetParam().value);
  EXPECT_EQ(spin->Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(FieldOfView, ReadingClamps,
                         ::testing::Values(ClampCase{"150", 120}, ClampCase{"1", 5}, ClampCase{"60", 60},
                                           ClampCase{"abc", 45}, ClampCase{"", 45}, ClampCase{"-1e300", 5}));

TEST_F(SpinFixture, ErrValueOutsideTheRangeIsClampedToo) {
  MakeFieldOfViewField();
  spin->SetErrValue(200);
  SetTextQuietly("abc");
  EXPECT_EQ(spin->Value(), 120);
  EXPECT_EQ(spin->TextNumber(), 200);
}

TEST_F(SpinFixture, EqualBoundsMeanNoRangeAtAll) {
  SetTextQuietly("-1e300");
  EXPECT_EQ(spin->Value(), -1e300);
  EXPECT_EQ(spin->ClampValue(1e300), 1e300);
}

// ---------------------------------------------------------------------------------------------
// Writing the value

struct WriteCase {
  const char* name;
  int precision;
  bool alwaysSeparator;
  double value;
  std::vector<std::string> changes;  // the texts written, one change event each
};
void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class WritingValue : public SpinFixture, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WritingValue, FormatsByPrecisionAndSeparatorRule) {
  const WriteCase& c = GetParam();
  spin->SetAlwaysSeparator(c.alwaysSeparator);
  spin->SetPrecision(c.precision);
  SetTextQuietly("x");
  spin->SetValue(c.value);
  EXPECT_EQ(changes, c.changes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WritingValue,
    ::testing::Values(WriteCase{"Plain", 15, false, 15.5, {"15.5"}}, WriteCase{"Zero", 15, false, 0, {"0"}},
                      WriteCase{"DisplayRounding", 15, false, 0.1 + 0.2, {"0.3"}},
                      WriteCase{"SmallInExponentForm", 15, false, 1.0 / 100000, {"1E-5"}},
                      WriteCase{"Precision3", 3, false, 1234, {"1.23E003"}},
                      WriteCase{"Precision2", 2, false, 2.96, {"3"}},
                      WriteCase{"NegativePrecisionCountsAs15", -1, false, 0.1 + 0.2, {"0.3"}},
                      WriteCase{"Precision1CountsAs2", 1, false, 123, {"1.2E002"}},
                      WriteCase{"Precision0CountsAs2", 0, false, 2.96, {"3"}},
                      WriteCase{"SeparatorOnAWholeNumberIsASecondWrite", 15, true, 16, {"16", "16.0"}},
                      WriteCase{"SeparatorOnZero", 15, true, 0, {"0", "0.0"}},
                      WriteCase{"NoSeparatorOnAFraction", 15, true, 15.5, {"15.5"}},
                      WriteCase{"NoSeparatorWhenRoundingMadeItLookWhole", 2, true, 2.96, {"3"}},
                      // A whole number in exponent form stays readable: no suffix after the exponent.
                      WriteCase{"NoSeparatorAfterAnExponent", 3, true, 1234, {"1.23E003"}},
                      WriteCase{"NoSeparatorAfterAnExponentAt15", 15, true, 1e15, {"1E15"}}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(SpinFixture, WritingValueClampsAndTheSameTextRaisesNothing) {
  MakeDistanceField();
  spin->SetValue(20000);
  spin->SetValue(10000);
  spin->SetValue(-3);
  EXPECT_EQ(changes, (std::vector<std::string>{"10000", "0"}));
}

TEST_F(SpinFixture, TheSeparatorSuffixRereadsAsTheSameNumber) {
  spin->SetAlwaysSeparator(true);
  spin->SetValue(16);
  EXPECT_EQ(spin->Value(), 16);
  EXPECT_EQ(platform::BeepCount(), 0);
  spin->SetPrecision(3);
  spin->SetValue(1234);
  EXPECT_EQ(spin->Value(), 1230);
  EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(SpinFixture, WritingPrecisionRewritesTheTextAtOnce) {
  controls::TDoubSpin fresh(nullptr);
  EXPECT_EQ(fresh.Text(), "0.0");
  fresh.SetPrecision(15);
  EXPECT_EQ(fresh.Text(), "0");
  SetTextQuietly("3.14159");
  spin->SetPrecision(3);
  EXPECT_EQ(spin->Text(), "3.14");
}

TEST_F(SpinFixture, WritingPrecisionOverAnUnreadableTextBeepsAndWritesErrValue) {
  MakeFieldOfViewField();
  SetTextQuietly("abc");
  spin->SetPrecision(15);
  EXPECT_EQ(spin->Text(), "45");
  EXPECT_EQ(platform::BeepCount(), 1);
}

TEST_F(SpinFixture, ANewControlHasItsConstructionDefaults) {
  controls::TDoubSpin fresh(nullptr);
  EXPECT_EQ(fresh.Text(), "0.0");
  EXPECT_EQ(fresh.Increment(), 0.5);
  EXPECT_EQ(fresh.Precision(), 15);
  EXPECT_EQ(fresh.MinValue(), 0);
  EXPECT_EQ(fresh.MaxValue(), 0);
  EXPECT_EQ(fresh.ErrValue(), 0);
  EXPECT_TRUE(fresh.EditorEnabled());
  EXPECT_TRUE(fresh.ChangeOnWheel());
  EXPECT_TRUE(fresh.BeepError());
  EXPECT_FALSE(fresh.AlwaysSeparator());
  EXPECT_TRUE(fresh.TabStop());
  EXPECT_TRUE(fresh.AutoSelect());
  EXPECT_TRUE(fresh.AutoSize());
  EXPECT_FALSE(fresh.ReadOnly());
  ASSERT_NE(fresh.SpinButton(), nullptr);
  EXPECT_EQ(fresh.SpinButton()->Owner(), &fresh);
  EXPECT_EQ(fresh.SpinButton()->Parent(), &fresh);
  EXPECT_EQ(fresh.SpinButton()->FocusControl(), &fresh);
  EXPECT_EQ(fresh.SpinButton()->Width(), 15);
  EXPECT_EQ(fresh.SpinButton()->Height(), 17);
  EXPECT_TRUE(fresh.SpinButton()->Visible());
}

// ---------------------------------------------------------------------------------------------
// Typing

struct KeyCase {
  int code;
  bool acceptedWhenEditable;
  bool acceptedWhenNotEditable;
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << "char " << c.code; }

class KeyFilter : public SpinFixture, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyFilter, AcceptsNumberCharactersAndControlCharactersExceptReturn) {
  const KeyCase& c = GetParam();
  const char key = static_cast<char>(c.code);
  EXPECT_EQ(spin->AcceptsKey(key), c.acceptedWhenEditable);
  spin->SetEditorEnabled(false);
  EXPECT_EQ(spin->AcceptsKey(key), c.acceptedWhenNotEditable);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, KeyFilter,
    ::testing::Values(KeyCase{'-', true, false}, KeyCase{'.', true, false}, KeyCase{'0', true, false},
                      KeyCase{'9', true, false}, KeyCase{'+', false, false}, KeyCase{',', false, false},
                      KeyCase{'E', false, false}, KeyCase{'e', false, false}, KeyCase{' ', false, false},
                      KeyCase{'a', false, false}, KeyCase{127, false, false}, KeyCase{200, false, false},
                      KeyCase{13, false, false}, KeyCase{8, true, false}, KeyCase{9, true, true},
                      KeyCase{27, true, true}, KeyCase{1, true, true}, KeyCase{22, true, true},
                      KeyCase{0, true, true}));

TEST_F(SpinFixture, ARefusedCharacterIsDroppedWithABeepAndNeverReachesOnKeyPress) {
  SetTextQuietly("");
  Type("1a2+\r.5");
  EXPECT_EQ(spin->Text(), "12.5");
  EXPECT_EQ(pressed, "12.5");
  EXPECT_EQ(platform::BeepCount(), 3);
  EXPECT_EQ(changes.size(), 4u);
  spin->SetBeepError(false);
  Type("x");
  EXPECT_EQ(platform::BeepCount(), 3);
}

TEST_F(SpinFixture, WithTheEditorDisabledDigitsAndBackspaceAreRefused) {
  SetTextQuietly("12");
  spin->SetEditorEnabled(false);
  Type("3\b");
  EXPECT_EQ(spin->Text(), "12");
  EXPECT_EQ(platform::BeepCount(), 2);
  EXPECT_EQ(pressed, "");
  // The arrows, the keys and the wheel still step.
  Key(platform::kVkUp);
  Wheel(120);
  spin->SpinButton()->Perform(platform::kWmLButtonDown, platform::kMkLButton, platform::MakeLParam(7, 3));
  spin->SpinButton()->Perform(platform::kWmLButtonUp, 0, platform::MakeLParam(7, 3));
  EXPECT_EQ(spin->Text(), "13.5");
}

// ---------------------------------------------------------------------------------------------
// Stepping

struct StepCase {
  const char* name;
  double minValue, maxValue, errValue, increment;
  int precision;
  std::string text;
  bool up;
  std::string after;
  int changeCount;
  int beeps;
};
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class Stepping : public SpinFixture, public ::testing::WithParamInterface<StepCase> {};

TEST_P(Stepping, WritesValuePlusOrMinusIncrementClamped) {
  const StepCase& c = GetParam();
  spin->SetMinValue(c.minValue);
  spin->SetMaxValue(c.maxValue);
  spin->SetErrValue(c.errValue);
  spin->SetIncrement(c.increment);
  spin->SetPrecision(c.precision);
  SetTextQuietly(c.text);
  if (c.up) {
    spin->StepUp(nullptr);
  } else {
    spin->StepDown(nullptr);
  }
  EXPECT_EQ(spin->Text(), c.after);
  EXPECT_EQ(static_cast<int>(changes.size()), c.changeCount);
  EXPECT_EQ(platform::BeepCount(), c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Stepping,
    ::testing::Values(StepCase{"NoRangeGoesNegative", 0, 0, 0, 0.5, 15, "0.0", false, "-0.5", 1, 0},
                      StepCase{"UpAtTheTopBound", 0, 10000, 10, 0.5, 15, "10000", true, "10000", 0, 0},
                      StepCase{"DownAtTheBottomBound", 0, 10000, 10, 0.5, 15, "0", false, "0", 0, 0},
                      StepCase{"UpToTheTopBound", 0, 10000, 10, 0.5, 15, "9999.8", true, "10000", 1, 0},
                      StepCase{"UpFromAboveTheRange", 0, 10000, 10, 0.5, 15, "20000", true, "10000", 1, 0},
                      StepCase{"UnreadableStepsFromErrValue", 5, 120, 45, 0.5, 15, "abc", true, "45.5", 1, 1},
                      StepCase{"FractionStep", 0, 0, 0, 0.1, 15, "0.2", true, "0.3", 1, 0},
                      StepCase{"StepLostInTheDisplay", 0, 0, 0, 0.04, 2, "1", true, "1", 0, 0}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(SpinFixture, RepeatedStepsLostInTheDisplayNeverMove) {
  spin->SetPrecision(2);
  spin->SetIncrement(0.04);
  SetTextQuietly("1");
  for (int i = 0; i < 5; ++i) spin->StepUp(nullptr);
  EXPECT_EQ(spin->Text(), "1");
}

TEST_F(SpinFixture, UpAndDownKeysStepFirstAndAreNeverConsumed) {
  SetTextQuietly("1");
  std::vector<std::string> seen;
  spin->OnKeyDown = [&](fw::TObject*, unsigned& key, fw::TShiftState) {
    seen.push_back(std::to_string(key) + "@" + spin->Text());
  };
  Key(platform::kVkUp);
  Key(platform::kVkDown);
  Key(platform::kVkDown);
  Key(platform::kVkLeft);
  EXPECT_EQ(seen, (std::vector<std::string>{"38@1.5", "40@1", "40@0.5", "37@0.5"}));
}

TEST_F(SpinFixture, ReadOnlyStepsBeepWhateverBeepErrorSaysAndChangeNothing) {
  SetTextQuietly("1");
  spin->SetReadOnly(true);
  spin->SetBeepError(false);
  Key(platform::kVkUp);
  spin->StepDown(nullptr);
  EXPECT_EQ(spin->Text(), "1");
  EXPECT_EQ(platform::BeepCount(), 2);
  Wheel(120);  // the wheel does nothing at all, silently
  EXPECT_EQ(platform::BeepCount(), 2);
  EXPECT_TRUE(changes.empty());
}

struct WheelCase {
  int delta;
  std::string after;
};
void PrintTo(const WheelCase& c, std::ostream* os) { *os << "delta " << c.delta; }

class WheelSteps : public SpinFixture, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(WheelSteps, OneStepPerEventWhateverTheDelta) {
  SetTextQuietly("1");
  Wheel(GetParam().delta);
  EXPECT_EQ(spin->Text(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Deltas, WheelSteps,
                         ::testing::Values(WheelCase{120, "1.5"}, WheelCase{240, "1.5"}, WheelCase{1, "1.5"},
                                           WheelCase{-120, "0.5"}, WheelCase{-480, "0.5"}, WheelCase{0, "1"}));

// A spin edit that records what reaches the default handling.
class Spy : public controls::TDoubSpin {
 public:
  Spy() : TDoubSpin(nullptr) {}
  void DefaultHandler(platform::Message& m) override {
    defaults.push_back(m.msg);
    TDoubSpin::DefaultHandler(m);
  }
  bool Reached(unsigned msg) const { return std::find(defaults.begin(), defaults.end(), msg) != defaults.end(); }
  std::vector<unsigned> defaults;
};

TEST(SpinWheel, NotPassedOnWhenItDoesNothingAndPassedOnAfterAStep) {
  Spy spy;
  spy.SetChangeOnWheel(false);
  spy.Perform(platform::kWmMouseWheel, platform::MakeWParam(0, 120), 0);
  EXPECT_FALSE(spy.Reached(platform::kWmMouseWheel));
  EXPECT_EQ(spy.Text(), "0.0");
  spy.SetChangeOnWheel(true);
  spy.Perform(platform::kWmMouseWheel, platform::MakeWParam(0, 120), 0);
  EXPECT_TRUE(spy.Reached(platform::kWmMouseWheel));
  EXPECT_EQ(spy.Text(), "0.5");
}

TEST(SpinPasteAndCut, PasteNeverReachesTheEditAndCutOnlyWhenEditable) {
  Spy spy;
  spy.SetText("123");
  spy.SelectAll();
  spy.Perform(platform::kWmPaste);
  EXPECT_FALSE(spy.Reached(platform::kWmPaste));
  spy.SetEditorEnabled(false);
  spy.Perform(platform::kWmCut);
  EXPECT_EQ(spy.Text(), "123");
  spy.SetEditorEnabled(true);
  spy.SetReadOnly(true);
  spy.Perform(platform::kWmCut);
  EXPECT_EQ(spy.Text(), "123");
  EXPECT_FALSE(spy.Reached(platform::kWmCut));
  spy.SetReadOnly(false);
  spy.Perform(platform::kWmCut);
  EXPECT_EQ(spy.Text(), "");
}

// ---------------------------------------------------------------------------------------------
// Entering and leaving

TEST_F(SpinFixture, EnteringSelectsAllBeforeOnEnter) {
  SetTextQuietly("123.5");
  spin->SetSelection(2, 0);
  int selectedInOnEnter = -1;
  spin->OnEnter = [&](fw::TObject*) { selectedInOnEnter = spin->SelLength(); };
  other->SetFocus();
  spin->SetFocus();
  EXPECT_EQ(selectedInOnEnter, 5);
}

TEST_F(SpinFixture, EnteringByAPressOnTheFieldSelectsNothingButByAnArrowItDoes) {
  SetTextQuietly("123.5");
  other->SetFocus();
  spin->SetSelection(2, 0);
  spin->Perform(platform::kWmLButtonDown, platform::kMkLButton, platform::MakeLParam(5, 5));
  EXPECT_TRUE(spin->Focused());
  EXPECT_EQ(spin->SelLength(), 0);
  other->SetFocus();
  spin->SetSelection(2, 0);
  spin->SpinButton()->Perform(platform::kWmLButtonDown, platform::kMkLButton, platform::MakeLParam(7, 3));
  EXPECT_TRUE(spin->Focused());
  EXPECT_EQ(spin->SelLength(), 5);
  spin->SpinButton()->Perform(platform::kWmLButtonUp, 0, platform::MakeLParam(7, 3));
  EXPECT_EQ(spin->Text(), "124");
}

TEST_F(SpinFixture, WithoutAutoSelectEnteringKeepsTheSelection) {
  SetTextQuietly("123.5");
  spin->SetAutoSelect(false);
  other->SetFocus();
  spin->SetSelection(2, 0);
  spin->SetFocus();
  EXPECT_EQ(spin->SelLength(), 0);
}

struct LeaveCase {
  const char* name;
  std::string text;
  std::string after;
  int beeps;
};
void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.name; }

class Leaving : public SpinFixture, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(Leaving, RewritesOnlyANumberOutsideTheRangeAfterOnExit) {
  const LeaveCase& c = GetParam();
  MakeDistanceField();
  spin->SetFocus();
  SetTextQuietly(c.text);
  std::string textInOnExit;
  spin->OnExit = [&](fw::TObject*) { textInOnExit = spin->Text(); };
  other->SetFocus();
  EXPECT_EQ(textInOnExit, c.text);
  EXPECT_EQ(spin->Text(), c.after);
  EXPECT_EQ(platform::BeepCount(), c.beeps);
}

INSTANTIATE_TEST_SUITE_P(DistanceField, Leaving,
                         ::testing::Values(LeaveCase{"AboveTheRange", "20000", "10000", 0},
                                           LeaveCase{"BelowTheRange", "-2.50", "0", 0},
                                           LeaveCase{"WithinTheRangeKeepsItsForm", "0015.50", "0015.50", 0},
                                           LeaveCase{"UnreadableWithErrValueInRange", "abc", "abc", 1},
                                           LeaveCase{"Empty", "", "", 0}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(SpinFixture, LeavingWithAnUnreadableTextAndErrValueOutsideTheRangeWritesTheBound) {
  MakeDistanceField();
  spin->SetErrValue(-1);
  spin->SetFocus();
  SetTextQuietly("abc");
  other->SetFocus();
  EXPECT_EQ(spin->Text(), "0");
}

// ---------------------------------------------------------------------------------------------
// Height and layout

struct HeightCase {
  int fontHeight;
  int defaultLineHeight;
  int thinBorder;
  int minimum;
};
void PrintTo(const HeightCase& c, std::ostream* os) { *os << "font " << c.fontHeight << ", system " << c.defaultLineHeight << ", border " << c.thinBorder; }

class MinimumHeights : public SpinFixture, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(MinimumHeights, FontLinePlusAQuarterOfTheSmallerLinePlusBorders) {
  const HeightCase& c = GetParam();
  platform::MetricsOverride figures;
  figures.defaultFontLineHeight = c.defaultLineHeight;
  figures.thinBorderHeight = c.thinBorder;
  platform::OverrideMetrics(figures);
  spin->SetFont(fw::TFont("Tahoma", c.fontHeight));
  EXPECT_EQ(spin->MinimumHeight(), c.minimum);
}

// A font's line height is its character height + 2 here.
INSTANTIATE_TEST_SUITE_P(Metrics, MinimumHeights,
                         ::testing::Values(HeightCase{11, 16, 1, 22},   // 13 + 3 + 4 + 2
                                           HeightCase{30, 16, 1, 42},   // 32 + 4 + 4 + 2
                                           HeightCase{11, 16, 2, 26},   // 13 + 3 + 8 + 2
                                           HeightCase{11, 8, 1, 21}));  // 13 + 2 + 4 + 2

TEST_F(SpinFixture, TheMeasureWindowFieldsPlaceThePairAndTheTextArea) {
  spin->SetBounds(8, 20, 81, 22);
  EXPECT_EQ(spin->ClientWidth(), 77);
  EXPECT_EQ(spin->ClientHeight(), 18);
  EXPECT_EQ(spin->SpinButton()->BoundsRect(), platform::RectOf(61, 0, 15, 17));
  EXPECT_EQ(spin->SpinButton()->UpButton()->BoundsRect(), platform::RectOf(0, 0, 15, 8));
  EXPECT_EQ(spin->SpinButton()->DownButton()->BoundsRect(), platform::RectOf(0, 7, 15, 10));
  EXPECT_EQ(spin->EditRect(), (platform::Rect{0, 0, 60, 19}));
}

TEST_F(SpinFixture, AHeightBelowTheMinimumIsRaised) {
  spin->SetBounds(8, 20, 81, 15);
  EXPECT_EQ(spin->Height(), 22);
  EXPECT_EQ(spin->SpinButton()->Height(), 17);
}

TEST_F(SpinFixture, WithoutTheSunkenBorderThePairSitsAtTheRightEdge) {
  spin->SetCtl3D(false);
  spin->SetBounds(8, 20, 81, 22);
  EXPECT_EQ(spin->SpinButton()->BoundsRect(), platform::RectOf(66, 1, 15, 19));
  EXPECT_EQ(spin->EditRect(), (platform::Rect{0, 0, 79 - 15 - 2, 21}));
}

TEST_F(SpinFixture, OldStyleControlsUseTheFlatLayoutEvenWithCtl3D) {
  platform::MetricsOverride figures;
  figures.newStyleControls = false;
  platform::OverrideMetrics(figures);
  spin->SetBounds(8, 20, 81, 22);
  EXPECT_EQ(spin->SpinButton()->BoundsRect(), platform::RectOf(66, 1, 15, 19));
}

// ---------------------------------------------------------------------------------------------
// Overriding the steps

class Doubling : public controls::TDoubSpin {
 public:
  Doubling() : TDoubSpin(nullptr) {}
  void StepUp(fw::TObject*) override { SetValue(Value() * 2); }
  bool AcceptsKey(char key) const override { return key == 'x' || TDoubSpin::AcceptsKey(key); }
};

TEST(SpinOverrides, AStepUpOverrideDrivesTheUpArrowTheKeyAndTheWheel) {
  Doubling spin;
  spin.SetText("3");
  fw::TSpinButton* pair = spin.SpinButton();
  pair->Perform(platform::kWmLButtonDown, platform::kMkLButton, platform::MakeLParam(7, 3));
  pair->Perform(platform::kWmLButtonUp, 0, platform::MakeLParam(7, 3));
  EXPECT_EQ(spin.Text(), "6");
  spin.Perform(platform::kWmKeyDown, platform::kVkUp, 0);
  spin.Perform(platform::kWmMouseWheel, platform::MakeWParam(0, 120), 0);
  EXPECT_EQ(spin.Text(), "24");
  // The down arrow still takes the inherited step.
  pair->Perform(platform::kWmLButtonDown, platform::kMkLButton, platform::MakeLParam(7, 12));
  pair->Perform(platform::kWmLButtonUp, 0, platform::MakeLParam(7, 12));
  EXPECT_EQ(spin.Text(), "23.5");
  spin.SetText("");
  spin.Perform(platform::kWmChar, 'x', 0);
  EXPECT_EQ(spin.Text(), "x");
}

TEST(SpinLifetime, DestroyingAFocusedFieldOnAFormRaisesNoEvents) {
  int events = 0;
  {
    fw::TWinControl form(nullptr);
    auto* spin = new controls::TDoubSpin(&form);
    spin->SetParent(&form);
    spin->SetMaxValue(10);
    spin->SetText("99");
    spin->SetFocus();
    spin->OnChange = [&](fw::TObject*) { ++events; };
    spin->OnExit = [&](fw::TObject*) { ++events; };
  }
  EXPECT_EQ(events, 0);
  EXPECT_EQ(fw::TWinControl::FocusedControl(), nullptr);
}

}  // namespace
