#include "fake_host.h"

namespace measure_test {
namespace {

std::string Held(const std::int32_t* address, bool valueIsMeaningful) {
  if (address == nullptr) {
    return "-";
  }
  return valueIsMeaningful ? std::to_string(*address) : "&";
}

}  // namespace

std::optional<std::int32_t> FakeHost::Call(std::int32_t command, std::int32_t first,
                                           std::int32_t* second, std::int32_t* third) {
  if (unpassableCall && *unpassableCall == attempts_++) {
    return std::nullopt;
  }
  const bool preset = command != 1;
  calls.push_back(std::to_string(command) + "(" + std::to_string(first) + ", " +
                  Held(second, preset) + ", " + Held(third, preset) + ")");

  switch (command) {
    case 16:
      return first == 4096 ? image : 0;
    case 1:
      if (first != image || second == nullptr || third == nullptr) {
        return 0;
      }
      if (writesWidth) {
        *second = width;
        *third = 480;
      }
      return 1;
    case 12: {
      if (first != image || second == nullptr || third == nullptr) {
        return 0;
      }
      if (*third == 65537) {
        *second = count.value_or(static_cast<std::int32_t>(points.size()));
        return 1;
      }
      const std::int32_t index = *third;
      if (index < 0 || static_cast<std::size_t>(index) >= points.size() || failingPoint == index) {
        return 0;
      }
      if (unwrittenPoint == index) {
        return 1;
      }
      *second = points[static_cast<std::size_t>(index)].x;
      *third = points[static_cast<std::size_t>(index)].y;
      return 1;
    }
    default:
      return 0;
  }
}

}  // namespace measure_test
