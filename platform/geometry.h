#pragma once
// Rectangles in pixels, with the right and bottom edges exclusive as on Windows.

namespace platform {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// A rectangle from its position and size.
constexpr Rect RectOf(int left, int top, int width, int height) {
  return Rect{left, top, left + width, top + height};
}

}  // namespace platform
