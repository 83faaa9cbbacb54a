// Applying a stored window description: the properties in the class's order, so Precision
// rewrites the construction text before the range is known and Value comes after the range.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/doub_spin_description.h"
#include "spin_fixture.h"

namespace {

using spintest::SpinFixture;

controls::DoubSpinDescription DistanceField() {
  controls::DoubSpinDescription d;
  d.name = "edd";
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

TEST_F(SpinFixture, TheDistanceFieldGoesFromTheConstructionTextToZeroToItsValue) {
  controls::TDoubSpin edd(nullptr);
  edd.SetParent(&form);
  std::vector<std::string> texts{edd.Text()};
  edd.OnChange = [&](fw::TObject*) { texts.push_back(edd.Text()); };
  controls::ApplyDescription(edd, DistanceField());
  EXPECT_EQ(texts, (std::vector<std::string>{"0.0", "0", "15.5"}));
  EXPECT_EQ(edd.Name(), "edd");
  EXPECT_EQ(edd.Tag(), 1001);
  EXPECT_EQ(edd.BoundsRect(), platform::RectOf(8, 20, 81, 22));
  EXPECT_EQ(edd.TabOrder(), 1);
  edd.SetParent(nullptr);
}

TEST_F(SpinFixture, TheFieldOfViewFieldIsClampedAndFormattedWithItsLoadedSettings) {
  controls::DoubSpinDescription d = DistanceField();
  d.minValue = 5;
  d.maxValue = 120;
  d.errValue = 45;
  d.alwaysSeparator = true;
  d.value = 200;  // clamped by the range loaded before it
  controls::ApplyDescription(*spin, d);
  EXPECT_EQ(spin->Text(), "120.0");
  d.alwaysSeparator = false;
  d.value = 45.5;
  controls::ApplyDescription(*spin, d);
  EXPECT_EQ(spin->Text(), "45.5");
}

TEST_F(SpinFixture, PrecisionComesBeforeTheRangeSoItRewritesWithNoRangeInForce) {
  controls::TDoubSpin field(nullptr);
  field.SetText("500");
  controls::DoubSpinDescription d;
  d.precision = 15;
  d.minValue = 1;
  d.maxValue = 100;
  controls::ApplyDescription(field, d);
  EXPECT_EQ(field.Text(), "500");  // not clamped: the range came after the rewrite
  EXPECT_EQ(field.Value(), 100);
}

}  // namespace
