#pragma once
// Pictures for tests: decoded pictures and 24-bit BMP files (which every platform's loader
// reads) of one colour.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/picture.h"

namespace velvora::test {

inline PicturePtr SolidPicture(int width, int height, std::uint32_t argb) {
  auto picture = std::make_shared<Picture>();
  picture->width = width;
  picture->height = height;
  picture->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), argb);
  return picture;
}

inline std::string SolidBmp(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  const int data = rowBytes * height;
  std::string bmp = "BM";
  for (int v : {54 + data, 0, 54, 40, width, height, 1 | (24 << 16), 0, data, 2835, 2835, 0, 0}) {
    for (int i = 0; i < 4; ++i) bmp.push_back(static_cast<char>((static_cast<unsigned>(v) >> (8 * i)) & 0xFF));
  }
  std::string row;
  for (int x = 0; x < width; ++x) row += {static_cast<char>(blue), static_cast<char>(green), static_cast<char>(red)};
  row.resize(static_cast<std::size_t>(rowBytes), '\0');
  for (int y = 0; y < height; ++y) bmp += row;
  return bmp;
}

}  // namespace velvora::test
