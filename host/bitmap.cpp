#include "host/bitmap.h"

#include <fstream>
#include <iterator>

namespace host {
namespace {

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

std::uint16_t Read16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

void Put32(std::string& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
  }
}

void Put16(std::string& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<char>(value & 0xFFu));
  bytes.push_back(static_cast<char>(value >> 8));
}

std::size_t RowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }

}  // namespace

std::uint32_t Image::Pixel(int x, int y) const {
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                          static_cast<std::size_t>(x)) *
                         3;
  return static_cast<std::uint32_t>(bgr[at + 2]) | (static_cast<std::uint32_t>(bgr[at + 1]) << 8) |
         (static_cast<std::uint32_t>(bgr[at]) << 16);
}

void Image::SetPixel(int x, int y, std::uint32_t colour) {
  if (x < 0 || y < 0 || x >= width || y >= height) {
    return;
  }
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                          static_cast<std::size_t>(x)) *
                         3;
  bgr[at] = static_cast<std::uint8_t>((colour >> 16) & 0xFFu);
  bgr[at + 1] = static_cast<std::uint8_t>((colour >> 8) & 0xFFu);
  bgr[at + 2] = static_cast<std::uint8_t>(colour & 0xFFu);
}

std::optional<Image> ReadBmp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
    return std::nullopt;
  }
  const std::uint32_t dataOffset = Read32(bytes, 10);
  const std::uint32_t headerSize = Read32(bytes, 14);
  const auto width = static_cast<std::int32_t>(Read32(bytes, 18));
  const auto rawHeight = static_cast<std::int32_t>(Read32(bytes, 22));
  const std::uint16_t bits = Read16(bytes, 28);
  const std::uint32_t compression = Read32(bytes, 30);
  if (headerSize < 40 || bits != 24 || compression != 0 || width <= 0 || rawHeight == 0 ||
      width > 30000 || rawHeight > 30000 || rawHeight < -30000) {
    return std::nullopt;
  }
  const bool bottomUp = rawHeight > 0;
  const int height = bottomUp ? rawHeight : -rawHeight;
  const std::size_t rowBytes = RowBytes(width);
  if (dataOffset > bytes.size() ||
      bytes.size() - dataOffset < rowBytes * static_cast<std::size_t>(height)) {
    return std::nullopt;
  }
  Image image;
  image.width = width;
  image.height = height;
  image.bgr.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  for (int y = 0; y < height; ++y) {
    const int fileRow = bottomUp ? height - 1 - y : y;
    const std::size_t from = dataOffset + static_cast<std::size_t>(fileRow) * rowBytes;
    std::copy(
        bytes.begin() + static_cast<std::ptrdiff_t>(from),
        bytes.begin() + static_cast<std::ptrdiff_t>(from + static_cast<std::size_t>(width) * 3),
        image.bgr.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) *
                                                        static_cast<std::size_t>(width) * 3));
  }
  return image;
}

bool WriteBmp(const std::string& path, const Image& image) {
  const std::size_t rowBytes = RowBytes(image.width);
  const auto dataSize =
      static_cast<std::uint32_t>(rowBytes * static_cast<std::size_t>(image.height));
  std::string bytes = "BM";
  Put32(bytes, 54 + dataSize);
  Put32(bytes, 0);
  Put32(bytes, 54);
  Put32(bytes, 40);
  Put32(bytes, static_cast<std::uint32_t>(image.width));
  Put32(bytes, static_cast<std::uint32_t>(image.height));  // bottom-up rows
  Put16(bytes, 1);
  Put16(bytes, 24);
  Put32(bytes, 0);
  Put32(bytes, dataSize);
  Put32(bytes, 2835);  // 72 pixels per inch
  Put32(bytes, 2835);
  Put32(bytes, 0);
  Put32(bytes, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    const auto* row =
        image.bgr.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) * 3;
    bytes.append(reinterpret_cast<const char*>(row), static_cast<std::size_t>(image.width) * 3);
    bytes.append(rowBytes - static_cast<std::size_t>(image.width) * 3, '\0');
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

Image TestChart(int width, int height) {
  Image image;
  image.width = width;
  image.height = height;
  image.bgr.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, 0xF4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (x % 100 == 0 || y % 100 == 0) {
        image.SetPixel(x, y, 0x707070);
      } else if (x % 50 == 0 || y % 50 == 0) {
        image.SetPixel(x, y, 0xC8C8C8);
      }
      if (x < 3 || y < 3 || x >= width - 3 || y >= height - 3) {
        image.SetPixel(x, y, 0xA05000);
      }
    }
  }
  return image;
}

}  // namespace host
