#pragma once
// A decimal spin edit on a headless form, with fixed metrics, its beeps counted from zero and its
// change events and key presses logged.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/decimal_separator.h"
#include "controls/spindoub.h"
#include "platform/messages.h"
#include "platform/metrics.h"
#include "platform/sound.h"

namespace spintest {

class SpinFixture : public ::testing::Test {
 protected:
  SpinFixture() {
    platform::OverrideMetrics(platform::MetricsOverride{});
    controls::SetDecimalSeparator('.');
    spin = new controls::TDoubSpin(&form);
    spin->SetParent(&form);
    other = new controls::TDoubSpin(&form);
    other->SetParent(&form);
    spin->OnChange = [this](fw::TObject* sender) {
      EXPECT_EQ(sender, spin);
      changes.push_back(spin->Text());
    };
    spin->OnKeyPress = [this](fw::TObject*, char& key) { pressed += key; };
    platform::ResetBeepCount();
  }
  ~SpinFixture() override {
    platform::OverrideMetrics(std::nullopt);
    controls::SetDecimalSeparator('.');
  }

  // The distance field of the measure window.
  void MakeDistanceField() {
    spin->SetMaxValue(10000);
    spin->SetErrValue(10);
  }
  // The field-of-view field.
  void MakeFieldOfViewField() {
    spin->SetMinValue(5);
    spin->SetMaxValue(120);
    spin->SetErrValue(45);
  }
  void SetTextQuietly(const std::string& text) {
    spin->SetText(text);
    changes.clear();
    platform::ResetBeepCount();
  }
  void Type(const std::string& characters) {
    for (char c : characters) spin->Perform(platform::kWmChar, static_cast<unsigned char>(c), 0);
  }
  void Key(unsigned key) { spin->Perform(platform::kWmKeyDown, key, 0); }
  void Wheel(int delta) {
    spin->Perform(platform::kWmMouseWheel, platform::MakeWParam(0, static_cast<unsigned>(delta)), 0);
  }

  fw::TWinControl form{nullptr};
  controls::TDoubSpin* spin = nullptr;
  controls::TDoubSpin* other = nullptr;
  std::vector<std::string> changes;
  std::string pressed;
};

}  // namespace spintest
