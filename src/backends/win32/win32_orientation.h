#pragma once
// Pictures turned upright as their EXIF orientation (1 to 8) says.
#include <istream>

#include "platform/picture.h"

namespace velvora::win32 {

// The orientation stored in a JPEG's Exif block or a TIFF's first directory; 1 (upright) when
// there is none or it cannot be read.
int ExifOrientation(std::istream& file);

// Orientations 5 to 8 turn the picture by a quarter: its sides swap.
inline bool SwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

// The picture as it is meant to be seen.
PicturePtr Upright(PicturePtr picture, int orientation);

}  // namespace velvora::win32
