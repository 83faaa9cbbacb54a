#include "plugin/library_state.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "controls/decimal_separator.h"
#include "controls/number_text.h"
#include "error_boxes.h"
#include "framework/application.h"
#include "measure/measurement.h"
#include "plugin/host_service.h"

namespace {

constexpr unsigned char kGuard = 0xA5;
constexpr std::size_t kSlack = 16;

// A buffer with guard bytes on both sides of the part the host hands over.
struct GuardedBuffer {
  GuardedBuffer() { bytes.fill(kGuard); }
  char* Data() { return reinterpret_cast<char*>(bytes.data() + kSlack); }
  // Whether exactly the first `expected.size()` bytes from Data() on hold `expected`, and every
  // other byte still holds the guard.
  bool Holds(const std::string& expected) const {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const bool inside = i >= kSlack && i < kSlack + expected.size();
      const unsigned char want =
          inside ? static_cast<unsigned char>(expected[i - kSlack]) : kGuard;
      if (bytes[i] != want) {
        return false;
      }
    }
    return true;
  }
  std::array<unsigned char, 64> bytes;
};

int callsOfA = 0;
int callsOfB = 0;
std::int32_t MEASURE_STDCALL ServiceA(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  ++callsOfA;
  return 0;
}
std::int32_t MEASURE_STDCALL ServiceB(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  ++callsOfB;
  return 0;
}

class InitializeTest : public ::testing::Test {
 protected:
  void TearDown() override {
    plugin::SetHostService(nullptr);
    fw::Application().SetOwnerWindow(nullptr);
    controls::SetDecimalSeparator('.');
  }

  GuardedBuffer name;
  GuardedBuffer description;
};

TEST_F(InitializeTest, HandsOverNameAndDescriptionAndReturnsOne) {
  int hostWindow = 0;
  EXPECT_EQ(plugin::Initialize(&ServiceA, name.Data(), description.Data(), &hostWindow), 1);

  EXPECT_TRUE(name.Holds(std::string("Measure", 8))) << "8 bytes, with the zero";
  EXPECT_TRUE(description.Holds(std::string("Measure plugin (feet)", 22))) << "22 bytes";
}

TEST_F(InitializeTest, SetsSeparatorServiceOwnerAndClearsTheWindow) {
  controls::SetDecimalSeparator(',');
  int hostWindow = 0;
  int window = 0;
  plugin::SetWindowReference(reinterpret_cast<measure::TForm1*>(&window));

  plugin::Initialize(&ServiceA, name.Data(), description.Data(), &hostWindow);

  EXPECT_EQ(controls::DecimalSeparator(), '.');
  EXPECT_EQ(controls::FormatText("%.5g", {1.25}), "1.25");
  EXPECT_EQ(plugin::HostService(), &ServiceA);
  EXPECT_EQ(fw::Application().OwnerWindow(), &hostWindow);
  EXPECT_EQ(plugin::WindowReference(), nullptr);
}

TEST_F(InitializeTest, NullBuffersAreNotWrittenAndTheRestStillHappens) {
  int hostWindow = 0;
  EXPECT_EQ(plugin::Initialize(&ServiceA, nullptr, description.Data(), &hostWindow), 1);
  EXPECT_TRUE(description.Holds(std::string("Measure plugin (feet)", 22)));
  EXPECT_EQ(plugin::Initialize(&ServiceB, name.Data(), nullptr, nullptr), 1);
  EXPECT_TRUE(name.Holds(std::string("Measure", 8)));
  EXPECT_EQ(plugin::HostService(), &ServiceB);
}

TEST_F(InitializeTest, NullHostWindowLeavesNoOwner) {
  int hostWindow = 0;
  plugin::Initialize(&ServiceA, name.Data(), description.Data(), &hostWindow);
  plugin::Initialize(&ServiceA, name.Data(), description.Data(), nullptr);
  EXPECT_EQ(fw::Application().OwnerWindow(), nullptr);
}

TEST_F(InitializeTest, LaterMeasurementsCallTheLatestService) {
  callsOfA = callsOfB = 0;
  plugin::Initialize(&ServiceA, name.Data(), description.Data(), nullptr);
  plugin::ServiceLink link;
  {
    const measure_test::ErrorBoxes boxes;
    EXPECT_EQ(measure::MeasureSelection(link), -1);
    EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"No images opened inside Velicore"});
  }
  EXPECT_EQ(callsOfA, 1);

  GuardedBuffer name2;
  GuardedBuffer description2;
  plugin::Initialize(&ServiceB, name2.Data(), description2.Data(), nullptr);
  {
    const measure_test::ErrorBoxes boxes;
    EXPECT_EQ(measure::MeasureSelection(link), -1);
    EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"No images opened inside Velicore"});
  }
  EXPECT_EQ(callsOfA, 1);
  EXPECT_EQ(callsOfB, 1);
}

}  // namespace
