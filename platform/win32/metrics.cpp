#include "platform/metrics.h"

#include <windows.h>

#include "platform/win32/font_cache.h"
#include "platform/win32/measuring_dc.h"

namespace platform {
namespace {

int LineHeightOf(HGDIOBJ font) {
  HDC dc = win32::MeasuringDc();
  if (dc == nullptr) {
    return 0;
  }
  HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
  TEXTMETRICA metrics{};
  const BOOL ok = GetTextMetricsA(dc, &metrics);
  if (old != nullptr) {
    SelectObject(dc, old);
  }
  return ok ? static_cast<int>(metrics.tmHeight) : 0;
}

}  // namespace

int FontLineHeight(const FontDescription& font) {
  if (const auto& figures = MetricsOverrideInForce()) {
    return font.height + figures->internalLeading;
  }
  return LineHeightOf(win32::FontHandle(font));
}

int DefaultFontLineHeight() {
  if (const auto& figures = MetricsOverrideInForce()) {
    return figures->defaultFontLineHeight;
  }
  return LineHeightOf(GetStockObject(SYSTEM_FONT));
}

int ThinBorderHeight() {
  if (const auto& figures = MetricsOverrideInForce()) {
    return figures->thinBorderHeight;
  }
  return GetSystemMetrics(SM_CYBORDER);
}

bool NewStyleControls() {
  if (const auto& figures = MetricsOverrideInForce()) {
    return figures->newStyleControls;
  }
  // Every Windows from version 4 on draws the new style.
  return LOBYTE(LOWORD(GetVersion())) >= 4;
}

}  // namespace platform
