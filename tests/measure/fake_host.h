#pragma once
// A host for the measurement tests: answers commands 16, 1 and 12 over a small scene, writing
// through the operands like the real host, and records every call it receives.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plugin/host_service.h"

namespace measure_test {

struct FakePoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

class FakeHost : public plugin::HostLink {
 public:
  std::int32_t image = 7;                    // command 16's answer; 0: no image open
  std::int32_t width = 1000;
  bool writesWidth = true;
  std::vector<FakePoint> points;
  std::optional<std::int32_t> count;         // what the count form reports; default points.size()
  std::optional<std::int32_t> failingPoint;  // this point is answered with 0
  std::optional<std::int32_t> unwrittenPoint;  // this point is answered with 1 but not written
  // The call with this index (0 = the first) reports an address that cannot be passed; the host
  // is not called then.
  std::optional<std::size_t> unpassableCall;

  // Each call received, as "command(first, second, third)": an address operand shows the value
  // the integer held at the call, "-" stands for operand 0. The width call's integers are not
  // preset by the caller, so they show only as "&".
  std::vector<std::string> calls;

  std::optional<std::int32_t> Call(std::int32_t command, std::int32_t first, std::int32_t* second,
                                   std::int32_t* third) override;

 private:
  std::size_t attempts_ = 0;
};

}  // namespace measure_test
