#include "effects/compose.h"

#include <algorithm>

#include "effects/pixel_rows.h"

namespace velvora::effects {

void Canvas::Resize(int w, int h) {
  width = std::max(0, w);
  height = std::max(0, h);
  pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
}

// The proportions are compared in 64 bits, so large pictures in large areas stay exact; a side
// never shrinks below one pixel.
Rect PlacePicture(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight, bool fit) {
  if (!fit || pictureWidth <= 0 || pictureHeight <= 0) return {0, 0, areaWidth, areaHeight};
  const std::int64_t widthAtFullHeight = std::int64_t{areaHeight} * pictureWidth / pictureHeight;
  int w = areaWidth, h = areaHeight;
  if (widthAtFullHeight <= areaWidth) {
    w = static_cast<int>(widthAtFullHeight);
  } else {
    h = static_cast<int>(std::int64_t{areaWidth} * pictureHeight / pictureWidth);
  }
  w = std::max(w, std::min(1, areaWidth));
  h = std::max(h, std::min(1, areaHeight));
  return {(areaWidth - w) / 2, (areaHeight - h) / 2, w, h};
}

void Fill(Image out, std::uint32_t argb) {
  for (int y = 0; y < out.height; ++y) FillPixels(out.Row(y), argb, out.width);
}

void ComposePicture(ConstImage picture, bool fit, std::uint32_t background, Image out) {
  Fill(out, background);
  DrawScaled(picture, Alpha::Straight, out,
             PlacePicture(picture.width, picture.height, out.width, out.height, fit));
}

std::uint32_t Checksum(ConstImage image) {
  std::uint32_t hash = 2166136261u;
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t* row = image.Row(y);
    for (int x = 0; x < image.width; ++x) {
      for (int shift = 0; shift < 32; shift += 8) {
        hash = (hash ^ ((row[x] >> shift) & 0xFFu)) * 16777619u;
      }
    }
  }
  return hash;
}

}  // namespace velvora::effects
