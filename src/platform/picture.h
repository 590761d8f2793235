#pragma once
// A decoded picture: immutable, shared between the controls that show it; and the limits and
// checks every picture loader applies to a file before decoding it.
#include <cstdint>
#include <memory>
#include <string>
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

// The most memory one decoded picture may take at the size it is decoded at (32 megapixels at
// 4 bytes a pixel; photographs are decoded at screen size). A loader refuses a larger picture as
// undecodable, and reads the size from the file's header first where it can: a file of a few
// bytes can claim billions of pixels.
inline constexpr std::int64_t kMaxPictureBytes = std::int64_t{128} << 20;
// The most pixels a picture's header may claim when the loader decodes at a smaller size
// (16,384 x 16,384, beyond every camera): such a decoder still reads every pixel's data.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 28;

// Whether every chunk of a PNG file lies within the file (true for a file of another format).
// Decoders reserve the length a chunk claims before they read it, so a file of a few hundred
// bytes could have them reserve gigabytes; loaders check this before decoding.
bool PngChunksWithinFile(const std::string& path);

}  // namespace velvora
