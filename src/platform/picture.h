#pragma once
// A decoded picture: immutable, shared between the controls that show it.
#include <cstdint>
#include <memory>
#include <vector>

namespace velvora {

struct Picture {
  int width = 0;
  int height = 0;
  // 0xAARRGGBB per pixel, row by row (the layout of a 32-bit ARGB image in memory on
  // little-endian machines, so backends can wrap it without converting).
  std::vector<std::uint32_t> pixels;
};

using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace velvora
