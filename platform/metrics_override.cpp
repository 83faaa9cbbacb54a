#include "platform/metrics.h"

namespace platform {
namespace {

std::optional<MetricsOverride>& Override() {
  static std::optional<MetricsOverride> figures;
  return figures;
}

}  // namespace

void OverrideMetrics(std::optional<MetricsOverride> figures) { Override() = figures; }

const std::optional<MetricsOverride>& MetricsOverrideInForce() { return Override(); }

}  // namespace platform
