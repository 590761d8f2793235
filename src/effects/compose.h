#pragma once
// A picture control's content as pixels: a picture scaled into the control's frame, with its
// proportions kept (fitted and centred) or stretched, over a fill. Frames hold premultiplied
// 0xAARRGGBB pixels, so a frame can be drawn over whatever lies under the control and the
// transitions blend them as they are; decoded pictures come with straight alpha.
#include <cstdint>
#include <vector>

#include "effects/transition.h"

namespace velvora::effects {

// An image that owns its pixels, rows without gaps.
struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  // Takes the size; the pixels' values are left as they are (new ones are 0, transparent).
  void Resize(int w, int h);
  bool Empty() const { return width <= 0 || height <= 0; }
  Image View() { return {width, height, pixels.data(), width}; }
  ConstImage ConstView() const { return {width, height, pixels.data(), width}; }
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where a picture goes in an area: the largest rectangle with the picture's proportions,
// centred (fit), or the whole area.
Rect PlacePicture(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight, bool fit);

enum class Alpha { Straight, Premultiplied };

void Fill(Image out, std::uint32_t argb);

// Draws `picture` scaled to `target` over what `out` holds (source over). Shrinking averages
// the source pixels each target pixel covers; enlarging interpolates bilinearly; at the same
// size the pixels are copied exactly. Parts of `target` outside `out` are left out.
void DrawScaled(ConstImage picture, Alpha alpha, Image out, Rect target);

// A picture control's content: `picture` (straight alpha) fitted or stretched into `out`, the
// rest and the picture's transparent parts in `background` (premultiplied; 0 leaves them
// transparent).
void ComposePicture(ConstImage picture, bool fit, std::uint32_t background, Image out);

// 32-bit FNV-1a over the pixels row by row, each pixel as its four bytes from the lowest (blue)
// to the highest (alpha): a stable fingerprint of a frame.
std::uint32_t Checksum(ConstImage image);

}  // namespace velvora::effects
