#pragma once
// Pictures as the host stand-in handles them: 24-bit colour, rows top to bottom, and the
// uncompressed 24-bit BMP file format they are read from and written to.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace host {

struct Image {
  int width = 0;
  int height = 0;
  // Blue, green, red for each pixel, rows from the top, no padding.
  std::vector<std::uint8_t> bgr;

  // The pixel's colour as 0x00BBGGRR (the system's COLORREF layout).
  std::uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, std::uint32_t colour);
};

// Reads an uncompressed 24-bit BMP file (bottom-up or top-down rows); empty on any other file.
std::optional<Image> ReadBmp(const std::string& path);
// Writes the picture as an uncompressed 24-bit BMP file; false when it cannot be written.
bool WriteBmp(const std::string& path, const Image& image);

// A test chart: a light background with a grid line every 50 pixels, a heavier one every 100,
// and a coloured border, so that pixel positions can be read off the picture.
Image TestChart(int width, int height);

}  // namespace host
