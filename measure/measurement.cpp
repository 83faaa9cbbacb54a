#include "measure/measurement.h"

#include <cmath>
#include <cstdint>

#include "controls/number_text.h"
#include "measure/show_error.h"

namespace measure {
namespace {

// Host commands and their fixed operands.
constexpr std::int32_t kImageCommand = 16;
constexpr std::int32_t kImageSelector = 4096;
constexpr std::int32_t kWidthCommand = 1;
constexpr std::int32_t kPointsCommand = 12;
// Preset into both integers of the count form, and into the first of the point form.
constexpr std::int32_t kPointsMarker = 65537;  // 0x10001

// The square of a 32-bit coordinate difference: |v| < 2^32, so the square fits 64 bits exactly.
std::uint64_t Square(std::int64_t v) {
  const std::uint64_t magnitude = v < 0 ? 0 - static_cast<std::uint64_t>(v)
                                        : static_cast<std::uint64_t>(v);
  return magnitude * magnitude;
}

enum class PointAnswer { kDelivered, kNotDelivered, kUnpassable };

// One host call. An address the host cannot be given is reported here; the caller then stops.
std::optional<std::int32_t> Ask(plugin::HostLink& host, std::int32_t command, std::int32_t first,
                                std::int32_t* second, std::int32_t* third) {
  const std::optional<std::int32_t> result = host.Call(command, first, second, third);
  if (!result) {
    ShowError("Cannot exchange values with the host: an address does not fit in 32 bits");
  }
  return result;
}

// Point `index` (0 or 1) into x and y, preset as the host expects the point form: the marker in
// the first integer and the index in the second. A host that answers success but writes neither
// leaves that preset behind; it is taken as an undelivered point rather than read as the point
// (65537, index). (A real point there, on an image more than 65537 pixels wide, is refused too.)
PointAnswer AskPoint(plugin::HostLink& host, std::int32_t image, std::int32_t index,
                     std::int32_t& x, std::int32_t& y) {
  x = kPointsMarker;
  y = index;
  const std::optional<std::int32_t> found = Ask(host, kPointsCommand, image, &x, &y);
  if (!found) {
    return PointAnswer::kUnpassable;
  }
  const bool written = x != kPointsMarker || y != index;
  return *found != 0 && written ? PointAnswer::kDelivered : PointAnswer::kNotDelivered;
}

}  // namespace

double MeasureSelection(plugin::HostLink& host) {
  const std::optional<std::int32_t> image =
      Ask(host, kImageCommand, kImageSelector, nullptr, nullptr);
  if (!image) {
    return kMeasureFailed;
  }
  if (*image == 0) {
    ShowError("No images opened inside Velicore");
    return kMeasureFailed;
  }

  // Preset, so that a host which writes no width is caught like a zero width.
  std::int32_t width = 0;
  std::int32_t unused = 0;
  if (!Ask(host, kWidthCommand, *image, &width, &unused)) {
    return kMeasureFailed;
  }
  if (width <= 0) {
    ShowError("The image has no width");
    return kMeasureFailed;
  }

  std::int32_t count = kPointsMarker;
  std::int32_t countOther = kPointsMarker;
  if (!Ask(host, kPointsCommand, *image, &count, &countOther)) {
    return kMeasureFailed;
  }
  if (count != 2) {
    ShowError("Select two points over the image");
    return kMeasureFailed;
  }

  std::int32_t x0 = 0;
  std::int32_t y0 = 0;
  if (const PointAnswer answer = AskPoint(host, *image, 0, x0, y0);
      answer != PointAnswer::kDelivered) {
    return answer == PointAnswer::kUnpassable ? kMeasureFailed : kPointNotDelivered;
  }
  std::int32_t x1 = 0;
  std::int32_t y1 = 0;
  if (const PointAnswer answer = AskPoint(host, *image, 1, x1, y1);
      answer != PointAnswer::kDelivered) {
    return answer == PointAnswer::kUnpassable ? kMeasureFailed : kPointNotDelivered;
  }

  // Each square is exact in 64 bits and in the 64-bit mantissa of long double; so is their sum
  // while it stays below 2^64 (points up to about 4.29e9 pixels apart), beyond that it is
  // rounded once. No separation wraps around.
  const long double squared =
      static_cast<long double>(Square(static_cast<std::int64_t>(x0) - x1)) +
      static_cast<long double>(Square(static_cast<std::int64_t>(y0) - y1));
  const double distance = static_cast<double>(std::sqrt(squared));
  return static_cast<double>(static_cast<long double>(distance) / width);
}

long double RadiansPerDegree() {
  static const long double k = std::ldexp(static_cast<long double>(0x8EFA351294E9C8AEull), -69);
  return k;
}

std::optional<std::string> Calculate(plugin::HostLink& host,
                                     const std::function<double()>& readFieldOfView,
                                     const std::function<double()>& readDistance) {
  const double ratio = MeasureSelection(host);
  if (ratio >= 0) {
    const long double halfAngle = static_cast<long double>(readFieldOfView()) / 2;
    const long double tangent = std::tan(halfAngle * RadiansPerDegree());
    const long double distance = readDistance();
    const double length = static_cast<double>(distance * ratio * tangent * 2);
    return "L = " + controls::FormatText("%.5g", {length});
  }
  if (ratio == kPointNotDelivered) {
    ShowError("Please select two points over the image");
  }
  return std::nullopt;
}

}  // namespace measure
