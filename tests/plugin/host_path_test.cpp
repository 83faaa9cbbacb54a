// The real path of a measurement: the stored service function is the host stand-in's, which
// decodes the 32-bit operands back into the measurement's integers.

#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "controls/decimal_separator.h"
#include "controls/number_text.h"
#include "error_boxes.h"
#include "host/host_service.h"
#include "measure/measurement.h"
#include "platform/locale.h"
#include "plugin/library_state.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// Sets the user's decimal separator for as long as it lives.
class RegionalDecimalSeparator {
 public:
  explicit RegionalDecimalSeparator(const char* separator) {
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_, static_cast<int>(sizeof saved_));
    changed_ = SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator) != FALSE;
  }
  ~RegionalDecimalSeparator() {
    if (changed_) {
      SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_);
    }
  }
  RegionalDecimalSeparator(const RegionalDecimalSeparator&) = delete;
  RegionalDecimalSeparator& operator=(const RegionalDecimalSeparator&) = delete;

  bool Changed() const { return changed_; }

 private:
  char saved_[8] = ".";
  bool changed_ = false;
};

class HostPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scene.points = {{10, 20}, {110, 20}};
    host::ServeScene(&scene, &log);
  }
  void TearDown() override {
    host::ServeScene(nullptr, nullptr);
    plugin::SetHostService(nullptr);
  }

  void Initialize() {
    char name[8];
    char description[22];
    plugin::Initialize(&host::HostService, name, description, boxes.Owner());
  }

  std::optional<std::string> Calculate() {
    return measure::Calculate(link, [] { return 45.5; }, [] { return 15.5; });
  }

  measure_test::ErrorBoxes boxes;
  host::Scene scene;
  std::ostringstream log;
  plugin::ServiceLink link;
};

TEST_F(HostPathTest, MeasuresThroughTheHostsServiceFunction) {
  Initialize();
  EXPECT_EQ(Calculate(), "L = 1.2999");
  EXPECT_EQ(Lines(log.str()), (std::vector<std::string>{
                                  "host: command 16 (4096) -> 1: image",
                                  "host: command 1 (image 1) -> 1: width 1000, height 750",
                                  "host: command 12 (image 1, count) -> 1: 2 points",
                                  "host: command 12 (image 1, point 0) -> 1: (10, 20)",
                                  "host: command 12 (image 1, point 1) -> 1: (110, 20)",
                              }));
  EXPECT_TRUE(boxes.Messages().empty());
}

TEST_F(HostPathTest, FailuresShowRealErrorBoxesOwnedByTheHostWindow) {
  Initialize();
  scene.imageOpen = false;
  EXPECT_EQ(Calculate(), std::nullopt);
  scene.imageOpen = true;
  scene.failingPoint = 1;
  EXPECT_EQ(Calculate(), std::nullopt);
  scene.failingPoint.reset();
  scene.points.push_back({1, 1});
  EXPECT_EQ(Calculate(), std::nullopt);

  EXPECT_EQ(boxes.Messages(), (std::vector<std::string>{"No images opened inside Velicore",
                                                         "Please select two points over the image",
                                                         "Select two points over the image"}));
}

TEST_F(HostPathTest, ResultUsesAPointWhateverTheRegionalSeparator) {
  const RegionalDecimalSeparator comma(",");
  ASSERT_TRUE(comma.Changed());
  ASSERT_EQ(platform::UserDecimalSeparator(), ',');
  // The separator as a freshly loaded library has it.
  controls::SetDecimalSeparator(platform::UserDecimalSeparator());
  ASSERT_EQ(controls::FormatText("%.5g", {1.5}), "1,5");

  Initialize();
  EXPECT_EQ(Calculate(), "L = 1.2999");
}

}  // namespace
