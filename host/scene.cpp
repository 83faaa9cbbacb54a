#include "host/scene.h"

namespace host {

std::optional<Point> Scene::DeliveredPoint(std::int32_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= points.size()) {
    return std::nullopt;
  }
  if (failingPoint && *failingPoint == index) {
    return std::nullopt;
  }
  return points[static_cast<std::size_t>(index)];
}

}  // namespace host
