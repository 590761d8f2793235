#pragma once
// Picture files made by the test: with the system's own encoders where it has them, by hand
// where it has none (icons, cursors, placeable metafiles). Pixels are 0xAARRGGBB.
#include <cstdint>
#include <string>
#include <vector>

namespace velvora::test {

struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> argb;
};

// Left half red, right half blue.
Pixels RedBlue(int width, int height);

enum class Encoder { Bmp, Png, Jpeg, Tiff, Gif };
const char* Name(Encoder encoder);
// Writes the pixels with the Imaging Component's encoder; false when the system has none.
bool EncodeWithImagingComponent(Encoder encoder, const std::string& path, const Pixels& pixels);

// An icon (type 1) or cursor (type 2) file with one 32-bit image; clear where alpha is 0.
std::string IconFile(const Pixels& pixels, int type);
// A JPEG with an Exif block saying `orientation`, inserted after its start marker.
std::string WithExifOrientation(const std::string& jpeg, int orientation, bool bigEndian = false);
// Metafiles of a red rectangle `width` x `height` pixels (at 96 DPI).
bool WriteEnhancedMetafile(const std::string& path, int width, int height);
std::string PlaceableMetafile(int width, int height);  // empty when GDI cannot make one

}  // namespace velvora::test
