#include "host/host_service.h"

#include <cstdint>

namespace host {
namespace {

constexpr std::int32_t kImageCommand = 16;
constexpr std::int32_t kImageSelector = 4096;
constexpr std::int32_t kSizeCommand = 1;
constexpr std::int32_t kPointsCommand = 12;
constexpr std::int32_t kCountMarker = 65537;

struct Served {
  const Scene* scene = nullptr;
  std::ostream* log = nullptr;
};

Served& Current() {
  static Served served;
  return served;
}

bool IsOpenImage(const Scene& scene, std::int32_t id) {
  return scene.imageOpen && id == scene.imageId && id != 0;
}

std::int32_t ServeImage(const Scene& scene, std::int32_t selector, std::ostream* log) {
  const std::int32_t id = selector == kImageSelector && scene.imageOpen
                             ? scene.announcedImageId.value_or(scene.imageId)
                             : 0;
  if (log != nullptr) {
    *log << "host: command 16 (" << selector << ") -> " << id
         << (id == 0 ? ": no image open" : ": image") << '\n';
  }
  return id;
}

std::int32_t ServeSize(const Scene& scene, std::int32_t id, std::int32_t* width,
                       std::int32_t* height, std::ostream* log) {
  const bool known = IsOpenImage(scene, id) && width != nullptr && height != nullptr;
  const bool writes = known && !scene.widthUnwritten;
  if (writes) {
    *width = scene.width;
    *height = scene.height;
  }
  if (log != nullptr) {
    *log << "host: command 1 (image " << id << ") -> " << (known ? 1 : 0);
    if (writes) {
      *log << ": width " << scene.width << ", height " << scene.height;
    } else if (known) {
      *log << ": nothing written";
    } else {
      *log << ": no such image";
    }
    *log << '\n';
  }
  return known ? 1 : 0;
}

std::int32_t ServePoints(const Scene& scene, std::int32_t id, std::int32_t* operand2,
                         std::int32_t* operand3, std::ostream* log) {
  if (!IsOpenImage(scene, id) || operand2 == nullptr || operand3 == nullptr) {
    if (log != nullptr) {
      *log << "host: command 12 (image " << id << ") -> 0: no such image\n";
    }
    return 0;
  }
  // The count form holds the marker in both integers, the point form the index in the second.
  if (*operand3 == kCountMarker) {
    const std::int32_t count =
        scene.reportedCount.value_or(static_cast<std::int32_t>(scene.points.size()));
    if (!scene.countUnwritten) {
      *operand2 = count;
    }
    if (log != nullptr) {
      *log << "host: command 12 (image " << id << ", count) -> 1: ";
      if (scene.countUnwritten) {
        *log << "nothing written\n";
      } else {
        *log << count << " points\n";
      }
    }
    return 1;
  }
  const std::int32_t index = *operand3;
  if (scene.unwrittenPoint && *scene.unwrittenPoint == index) {
    if (log != nullptr) {
      *log << "host: command 12 (image " << id << ", point " << index
           << ") -> 1: nothing written\n";
    }
    return 1;
  }
  const std::optional<Point> point = scene.DeliveredPoint(index);
  if (point) {
    *operand2 = point->x;
    *operand3 = point->y;
  }
  if (log != nullptr) {
    *log << "host: command 12 (image " << id << ", point " << index << ") -> " << (point ? 1 : 0);
    if (point) {
      *log << ": (" << point->x << ", " << point->y << ")";
    } else {
      *log << ": not delivered";
    }
    *log << '\n';
  }
  return point ? 1 : 0;
}

}  // namespace

void ServeScene(const Scene* scene, std::ostream* log) { Current() = {scene, log}; }

std::int32_t* OperandAddress(std::int32_t operand) {
  return reinterpret_cast<std::int32_t*>(
      static_cast<std::uintptr_t>(static_cast<std::uint32_t>(operand)));
}

std::int32_t MEASURE_STDCALL HostService(std::int32_t command, std::int32_t op1, std::int32_t op2,
                                         std::int32_t op3) {
  const Served served = Current();
  if (served.scene == nullptr) {
    return 0;
  }
  const Scene& scene = *served.scene;
  switch (command) {
    case kImageCommand:
      return ServeImage(scene, op1, served.log);
    case kSizeCommand:
      return ServeSize(scene, op1, OperandAddress(op2), OperandAddress(op3), served.log);
    case kPointsCommand:
      return ServePoints(scene, op1, OperandAddress(op2), OperandAddress(op3), served.log);
    default:
      if (served.log != nullptr) {
        *served.log << "host: command " << command << " -> 0: unknown command\n";
      }
      return 0;
  }
}

}  // namespace host
