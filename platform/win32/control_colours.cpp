#include "platform/control_colours.h"

#include <windows.h>

#include <map>

namespace platform {
namespace {

// Brushes of the background colours asked for, one per colour, kept while the module lives.
class BrushCache {
 public:
  BrushCache() = default;
  BrushCache(const BrushCache&) = delete;
  BrushCache& operator=(const BrushCache&) = delete;
  ~BrushCache() {
    for (auto& entry : brushes_) {
      DeleteObject(entry.second);
    }
  }

  HBRUSH Get(COLORREF colour) {
    auto it = brushes_.find(colour);
    if (it != brushes_.end()) {
      return it->second;
    }
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush != nullptr) {
      brushes_.emplace(colour, brush);
    }
    return brush;
  }

 private:
  std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace

std::uint32_t SystemColourRgb(int index) { return static_cast<std::uint32_t>(GetSysColor(index)); }

LResult PrepareControlColours(WParam dc, std::uint32_t textRgb, std::uint32_t backgroundRgb) {
  HDC hdc = reinterpret_cast<HDC>(dc);
  SetTextColor(hdc, static_cast<COLORREF>(textRgb));
  SetBkColor(hdc, static_cast<COLORREF>(backgroundRgb));
  static BrushCache brushes;
  return reinterpret_cast<LResult>(brushes.Get(static_cast<COLORREF>(backgroundRgb)));
}

}  // namespace platform
