#pragma once
// The two-point measurement: the separation of the two points marked on the host's image, as a
// fraction of the image's width, and the real length L = 2 · D · tan(F / 2) · p / W that the
// Calculate action shows.

#include <functional>
#include <optional>
#include <string>

#include "plugin/host_service.h"

namespace measure {

// Results of MeasureSelection below 0.
inline constexpr double kMeasureFailed = -1.0;        // its message has been shown already
inline constexpr double kPointNotDelivered = -2.0;    // the caller shows the message

// Asks the host, in this order and stopping at the first failure, for the current image
// (command 16), its width (command 1), the number of marked points (command 12, count form) and
// points 0 and 1 (command 12, point form), and returns the points' distance in pixels divided by
// the width. No image, not exactly two points, a width that is not positive (or that the host
// did not write) and an address the host cannot be given are reported through ShowError and
// give kMeasureFailed; a point the host does not deliver (answers 0 for, or answers success for
// without writing it) gives kPointNotDelivered without a message.
double MeasureSelection(plugin::HostLink& host);

// pi / 180 rounded to the nearest extended-precision number: 0x8EFA351294E9C8AE * 2^-69.
long double RadiansPerDegree();

// The Calculate action. Measures the selection; on success reads the field of view F in degrees
// and then the distance D (each reader is called once, in that order, and only on success) and
// returns the new result text, "L = " followed by L with five significant digits. After a
// failure the error has been shown (the message for an undelivered point is shown here) and the
// result is empty: the result text stays as it was.
std::optional<std::string> Calculate(plugin::HostLink& host,
                                     const std::function<double()>& readFieldOfView,
                                     const std::function<double()>& readDistance);

}  // namespace measure
