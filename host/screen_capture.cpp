#include "host/screen_capture.h"

#include <cstring>

#include "host/main_window.h"

namespace host {

void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessagesFor(150);
  GdiFlush();
}

Image CaptureScreen(const RECT& rect) {
  Image image;
  image.width = rect.right - rect.left;
  image.height = rect.bottom - rect.top;
  if (image.width <= 0 || image.height <= 0) {
    image.width = image.height = 0;
    return image;
  }
  image.bgr.assign(
      static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3, 0);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr && bits != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, image.width, image.height, screen, rect.left, rect.top,
           SRCCOPY | CAPTUREBLT);
    GdiFlush();
    const std::size_t rowBytes = (static_cast<std::size_t>(image.width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < image.height; ++y) {
      std::memcpy(image.bgr.data() +
                      static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) * 3,
                  static_cast<const unsigned char*>(bits) + static_cast<std::size_t>(y) * rowBytes,
                  static_cast<std::size_t>(image.width) * 3);
    }
    SelectObject(memory, old);
  }
  if (bitmap != nullptr) {
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}

}  // namespace host
