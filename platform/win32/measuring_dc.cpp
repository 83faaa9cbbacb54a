#include "platform/win32/measuring_dc.h"

namespace platform::win32 {
namespace {

class MemoryDc {
 public:
  MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (dc_ != nullptr) {
      DeleteDC(dc_);
    }
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace

HDC MeasuringDc() {
  static MemoryDc dc;
  return dc.Get();
}

}  // namespace platform::win32
