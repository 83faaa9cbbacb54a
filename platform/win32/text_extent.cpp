#include "platform/text_extent.h"

#include <windows.h>

#include "platform/metrics.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/measuring_dc.h"

namespace platform {

TextSize TextExtent(const FontDescription& font, const std::string& text) {
  HDC dc = win32::MeasuringDc();
  if (dc == nullptr) {
    return {0, FontLineHeight(font)};
  }
  HGDIOBJ old = SelectObject(dc, win32::FontHandle(font));
  SIZE size{};
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const BOOL measured =
      GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  return {measured ? static_cast<int>(size.cx) : 0, static_cast<int>(metrics.tmHeight)};
}

}  // namespace platform
