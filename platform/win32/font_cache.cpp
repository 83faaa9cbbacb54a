#include "platform/win32/font_cache.h"

#include <map>

namespace platform::win32 {
namespace {

class FontCache {
 public:
  FontCache() = default;
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;
  ~FontCache() {
    for (auto& entry : fonts_) {
      DeleteObject(entry.second);
    }
  }

  HFONT Get(const FontDescription& font) {
    auto it = fonts_.find(font);
    if (it != fonts_.end()) {
      return it->second;
    }
    // A negative height asks for the character height (without internal leading).
    HFONT handle = CreateFontA(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                               font.italic ? TRUE : FALSE, font.underline ? TRUE : FALSE,
                               font.strikeOut ? TRUE : FALSE, static_cast<DWORD>(font.charset),
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
    if (handle == nullptr) {
      handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
      return handle;
    }
    fonts_.emplace(font, handle);
    return handle;
  }

 private:
  std::map<FontDescription, HFONT> fonts_;
};

}  // namespace

HFONT FontHandle(const FontDescription& font) {
  static FontCache cache;
  return cache.Get(font);
}

}  // namespace platform::win32
