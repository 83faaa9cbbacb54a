#pragma once
// What the host stand-in shows the plug-in: whether an image is open, its size, the points the
// user has marked on it, and which point the host fails to deliver.

#include <cstdint>
#include <optional>
#include <vector>

namespace host {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct Scene {
  bool imageOpen = true;
  std::int32_t imageId = 1;  // what command 16 returns while an image is open
  std::int32_t width = 1000;
  std::int32_t height = 750;
  std::vector<Point> points;
  // Index of a marked point that the host answers 0 for, although it is counted.
  std::optional<std::int32_t> failingPoint;

  // Point `index`, when it is marked and delivered.
  std::optional<Point> DeliveredPoint(std::int32_t index) const;
};

}  // namespace host
