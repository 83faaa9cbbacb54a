#pragma once
// What the host stand-in shows the plug-in: whether an image is open, its size, the points the
// user has marked on it, and which point the host fails to deliver. A scene can also give the
// answers of a faulty host: an image that only command 16 knows, a count that is not the number
// of marked points, and answers of success that write nothing.

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

  // What command 16 answers instead of imageId; commands 1 and 12 still know only imageId.
  std::optional<std::int32_t> announcedImageId;
  // Command 1 answers success for the open image but writes neither integer.
  bool widthUnwritten = false;
  // What the count form of command 12 reports instead of the number of marked points.
  std::optional<std::int32_t> reportedCount;
  // The count form answers success but writes nothing.
  bool countUnwritten = false;
  // Index of a point that the host answers success for but does not write.
  std::optional<std::int32_t> unwrittenPoint;

  // Point `index`, when it is marked and delivered.
  std::optional<Point> DeliveredPoint(std::int32_t index) const;
};

}  // namespace host
