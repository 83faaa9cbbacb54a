#include "measure/measurement.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "controls/decimal_separator.h"
#include "error_boxes.h"
#include "fake_host.h"

namespace measure_test {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// The field values of the measure window when it opens.
constexpr double kDistance = 15.5;
constexpr double kFieldOfView = 45.5;

class MeasurementTest : public ::testing::Test {
 protected:
  void SetUp() override { controls::SetDecimalSeparator('.'); }

  // The Calculate action with spin edits that log each reading.
  std::optional<std::string> Calculate(double distance = kDistance,
                                       double fieldOfView = kFieldOfView) {
    return measure::Calculate(
        host,
        [&] {
          reads.push_back("F");
          return fieldOfView;
        },
        [&] {
          reads.push_back("D");
          return distance;
        });
  }

  ErrorBoxes boxes;
  FakeHost host;
  std::vector<std::string> reads;
};

const std::vector<std::string> kAllCalls = {"16(4096, -, -)", "1(7, &, &)", "12(7, 65537, 65537)",
                                            "12(7, 65537, 0)", "12(7, 65537, 1)"};

struct LengthCase {
  const char* name;
  double distance;
  double fieldOfView;
  std::int32_t width;
  FakePoint from;
  FakePoint to;
  const char* text;
};

void PrintTo(const LengthCase& c, std::ostream* out) { *out << c.name; }

class LengthTest : public MeasurementTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(LengthTest, ShowsTheLengthWithFiveDigits) {
  const LengthCase& c = GetParam();
  host.width = c.width;
  host.points = {c.from, c.to};

  EXPECT_EQ(Calculate(c.distance, c.fieldOfView), c.text);
  EXPECT_EQ(host.calls, kAllCalls);
  EXPECT_EQ(reads, (std::vector<std::string>{"F", "D"}));
  EXPECT_TRUE(boxes.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Measurement, LengthTest,
    ::testing::Values(
        LengthCase{"HundredPixelsOnARow", kDistance, kFieldOfView, 1000, {10, 20}, {110, 20},
                   "L = 1.2999"},
        LengthCase{"ThreeFourFive", kDistance, kFieldOfView, 1000, {10, 20}, {13, 24},
                   "L = 0.064997"},
        LengthCase{"SamePixel", kDistance, kFieldOfView, 1000, {5, 5}, {5, 5}, "L = 0"},
        LengthCase{"ExponentForm", 10000, 120, 100, {0, 0}, {1000, 0}, "L = 3.4641E005"},
        LengthCase{"NegativeExponent", 0.001, 5, 1000, {0, 0}, {0, 1}, "L = 8.7322E-008"},
        // 46341^2 and 30000^2 + 40000^2 exceed 32 bits; the squared distance must not wrap.
        LengthCase{"BeyondThirtyTwoBitSquares", kDistance, kFieldOfView, 1000, {0, 0}, {46341, 0},
                   "L = 602.4"},
        LengthCase{"BeyondThirtyTwoBitSum", kDistance, kFieldOfView, 1000, {0, 0}, {30000, 40000},
                   "L = 649.97"},
        LengthCase{"PointsGivenInEitherOrder", kDistance, kFieldOfView, 1000, {110, 20}, {10, 20},
                   "L = 1.2999"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// A failure shows its message, leaves the result text alone and reads neither field.
struct FailureCase {
  const char* name;
  void (*arrange)(FakeHost&);
  double result;
  std::vector<std::string> calls;
  std::vector<std::string> messages;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class FailureTest : public MeasurementTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTest, ReportsAndStops) {
  const FailureCase& c = GetParam();
  host.points = {{10, 20}, {110, 20}};
  c.arrange(host);

  EXPECT_EQ(measure::MeasureSelection(host), c.result);
  EXPECT_EQ(host.calls, c.calls);
}

TEST_P(FailureTest, CalculateShowsTheMessageAndKeepsTheResultText) {
  const FailureCase& c = GetParam();
  host.points = {{10, 20}, {110, 20}};
  c.arrange(host);

  EXPECT_EQ(Calculate(), std::nullopt);
  EXPECT_EQ(host.calls, c.calls);
  EXPECT_EQ(boxes.Messages(), c.messages);
  EXPECT_TRUE(reads.empty());
}

const std::vector<std::string> kUpToCount(kAllCalls.begin(), kAllCalls.begin() + 3);

INSTANTIATE_TEST_SUITE_P(
    Measurement, FailureTest,
    ::testing::Values(
        FailureCase{"NoImage", [](FakeHost& h) { h.image = 0; }, -1, {"16(4096, -, -)"},
                    {"No images opened inside Velicore"}},
        FailureCase{"NoPoints", [](FakeHost& h) { h.points.clear(); }, -1, kUpToCount,
                    {"Select two points over the image"}},
        FailureCase{"OnePoint", [](FakeHost& h) { h.points.resize(1); }, -1, kUpToCount,
                    {"Select two points over the image"}},
        FailureCase{"ThreePoints", [](FakeHost& h) { h.points.push_back({1, 1}); }, -1, kUpToCount,
                    {"Select two points over the image"}},
        FailureCase{"PointZeroNotDelivered", [](FakeHost& h) { h.failingPoint = 0; }, -2,
                    {kAllCalls.begin(), kAllCalls.begin() + 4},
                    {"Please select two points over the image"}},
        FailureCase{"PointOneNotDelivered", [](FakeHost& h) { h.failingPoint = 1; }, -2, kAllCalls,
                    {"Please select two points over the image"}},
        // Answered with success but not written: the preset (65537, index) is no point.
        FailureCase{"PointZeroNotWritten", [](FakeHost& h) { h.unwrittenPoint = 0; }, -2,
                    {kAllCalls.begin(), kAllCalls.begin() + 4},
                    {"Please select two points over the image"}},
        FailureCase{"PointOneNotWritten", [](FakeHost& h) { h.unwrittenPoint = 1; }, -2, kAllCalls,
                    {"Please select two points over the image"}},
        // A count that is not 2, whatever is marked.
        FailureCase{"CountNegative", [](FakeHost& h) { h.count = -2; }, -1, kUpToCount,
                    {"Select two points over the image"}},
        FailureCase{"CountHuge", [](FakeHost& h) { h.count = kMax; }, -1, kUpToCount,
                    {"Select two points over the image"}},
        FailureCase{"CountTwoButNonePointsMarked",
                    [](FakeHost& h) {
                      h.points.clear();
                      h.count = 2;
                    },
                    -2, {kAllCalls.begin(), kAllCalls.begin() + 4},
                    {"Please select two points over the image"}},
        // A width that is not positive would give an infinite, undefined or negative length.
        FailureCase{"ZeroWidth", [](FakeHost& h) { h.width = 0; }, -1,
                    {"16(4096, -, -)", "1(7, &, &)"}, {"The image has no width"}},
        FailureCase{"NegativeWidth", [](FakeHost& h) { h.width = -640; }, -1,
                    {"16(4096, -, -)", "1(7, &, &)"}, {"The image has no width"}},
        FailureCase{"WidthNotWritten", [](FakeHost& h) { h.writesWidth = false; }, -1,
                    {"16(4096, -, -)", "1(7, &, &)"}, {"The image has no width"}},
        // An address that cannot be a 32-bit operand: nothing more is asked.
        FailureCase{"FirstCallUnpassable", [](FakeHost& h) { h.unpassableCall = 0; }, -1, {},
                    {"Cannot exchange values with the host: an address does not fit in 32 bits"}},
        FailureCase{"WidthCallUnpassable", [](FakeHost& h) { h.unpassableCall = 1; }, -1,
                    {"16(4096, -, -)"},
                    {"Cannot exchange values with the host: an address does not fit in 32 bits"}},
        FailureCase{"PointCallUnpassable", [](FakeHost& h) { h.unpassableCall = 4; }, -1,
                    {kAllCalls.begin(), kAllCalls.begin() + 4},
                    {"Cannot exchange values with the host: an address does not fit in 32 bits"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(MeasurementTest, ReturnsTheSeparationOverTheWidth) {
  struct Case {
    std::int32_t width;
    FakePoint from;
    FakePoint to;
    double ratio;
  };
  const Case cases[] = {
      {1000, {10, 20}, {110, 20}, 0.1},
      // Written by the host, so points although the marker is in them: only the whole preset
      // left unchanged means nothing was written.
      {100000, {65537, 1}, {65537, 0}, 0.00001},
      {1, {0, 0}, {300000000, 400000000}, 500000000.0},
      {1, {kMin, 0}, {kMax, 0}, 4294967295.0},
      {1, {0, kMax}, {0, kMin}, 4294967295.0},
  };
  for (const Case& c : cases) {
    host.width = c.width;
    host.points = {c.from, c.to};
    EXPECT_EQ(measure::MeasureSelection(host), c.ratio) << c.to.x << "," << c.to.y;
  }
  // Opposite corners of the coordinate range: the squared distance exceeds even 64 bits.
  host.width = 1;
  host.points = {{kMin, kMin}, {kMax, kMax}};
  EXPECT_DOUBLE_EQ(measure::MeasureSelection(host), std::sqrt(2.0) * 4294967295.0);
}

TEST_F(MeasurementTest, ResultTextUsesTheDecimalSeparator) {
  host.points = {{10, 20}, {110, 20}};
  controls::SetDecimalSeparator(',');
  EXPECT_EQ(Calculate(), "L = 1,2999");
  controls::SetDecimalSeparator('.');
}

TEST(RadiansPerDegree, IsPiOver180RoundedToExtendedPrecision) {
  static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit extended format");
  const long double k = measure::RadiansPerDegree();
  int exponent = 0;
  const long double mantissa = std::frexp(k, &exponent);
  EXPECT_EQ(exponent, -5);
  EXPECT_EQ(static_cast<unsigned long long>(std::ldexp(mantissa, 64)), 0x8EFA351294E9C8AEull);
  EXPECT_EQ(std::ldexp(k, 69), 0x8EFA351294E9C8AEull);
}

}  // namespace
}  // namespace measure_test
