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

// The most memory one decoded picture may take, at 4 bytes a pixel at the size it is decoded
// at. A loader refuses a larger picture as undecodable, and reads the size from the file's
// header first: a file of a few bytes can claim billions of pixels.
inline constexpr std::int64_t kMaxPictureBytes = std::int64_t{256} << 20;
// The most pixels a picture's header may claim when the loader decodes at a smaller size
// (16,384 x 16,384, beyond every camera): such a decoder still reads every pixel's data.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 28;

}  // namespace velvora
