#include "backends/win32/win32_orientation.h"

#include <array>
#include <cstdint>
#include <string>

namespace velvora::win32 {
namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

// A TIFF structure (a TIFF file, or the block inside a JPEG's Exif segment) starting at `base`.
class TiffReader {
 public:
  TiffReader(std::istream& in, std::streamoff base) : in_(in), base_(base) {}

  int Orientation() {
    std::array<unsigned char, 8> header{};
    if (!Read(0, header.data(), header.size())) return 1;
    if (header[0] == 'I' && header[1] == 'I') bigEndian_ = false;
    else if (header[0] == 'M' && header[1] == 'M') bigEndian_ = true;
    else return 1;
    if (Number(header.data() + 2, 2) != 42) return 1;
    const std::uint32_t directory = Number(header.data() + 4, 4);
    std::array<unsigned char, 2> count{};
    if (!Read(directory, count.data(), count.size())) return 1;
    for (std::uint32_t i = 0, n = Number(count.data(), 2); i < n; ++i) {
      std::array<unsigned char, 12> entry{};
      if (!Read(directory + 2 + 12 * i, entry.data(), entry.size())) return 1;
      if (Number(entry.data(), 2) != kOrientationTag) continue;
      if (Number(entry.data() + 2, 2) != kShortType) return 1;
      const std::uint32_t value = Number(entry.data() + 8, 2);
      return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
    }
    return 1;
  }

 private:
  bool Read(std::uint32_t offset, unsigned char* out, std::size_t size) {
    in_.clear();
    in_.seekg(base_ + static_cast<std::streamoff>(offset));
    in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(size));
    return in_.gcount() == static_cast<std::streamsize>(size);
  }
  std::uint32_t Number(const unsigned char* p, int size) const {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) value |= std::uint32_t{p[bigEndian_ ? size - 1 - i : i]} << (8 * i);
    return value;
  }

  std::istream& in_;
  std::streamoff base_;
  bool bigEndian_ = false;
};

// Walks a JPEG's segments up to the first Exif block; -1 when there is none.
std::streamoff ExifBlockOfJpeg(std::istream& in) {
  in.seekg(2);
  for (;;) {
    unsigned char marker[4];
    if (!in.read(reinterpret_cast<char*>(marker), 4) || marker[0] != 0xFF) return -1;
    const int kind = marker[1];
    const int length = (marker[2] << 8) | marker[3];
    if (kind == 0xDA || kind == 0xD9 || length < 2) return -1;  // image data: no metadata after it
    const std::streamoff next = in.tellg() + static_cast<std::streamoff>(length - 2);
    if (kind == 0xE1) {
      char name[6];
      if (in.read(name, 6) && std::string(name, 6) == std::string("Exif\0\0", 6)) return in.tellg();
    }
    in.seekg(next);
  }
}

}  // namespace

int ExifOrientation(std::istream& file) {
  unsigned char start[2] = {};
  file.read(reinterpret_cast<char*>(start), 2);
  if (!file) return 1;
  if (start[0] == 0xFF && start[1] == 0xD8) {
    const std::streamoff block = ExifBlockOfJpeg(file);
    return block < 0 ? 1 : TiffReader(file, block).Orientation();
  }
  return TiffReader(file, 0).Orientation();
}

// Each pixel of the upright picture is taken from where the orientation stored it.
PicturePtr Upright(PicturePtr picture, int orientation) {
  if (!picture || orientation < 2 || orientation > 8) return picture;
  const int w = picture->width, h = picture->height;
  auto turned = std::make_shared<Picture>();
  turned->width = SwapsSides(orientation) ? h : w;
  turned->height = SwapsSides(orientation) ? w : h;
  turned->pixels.resize(picture->pixels.size());
  std::uint32_t* out = turned->pixels.data();
  for (int y = 0; y < turned->height; ++y) {
    for (int x = 0; x < turned->width; ++x) {
      int sx = x, sy = y;
      switch (orientation) {
        case 2: sx = w - 1 - x; break;                   // mirrored
        case 3: sx = w - 1 - x; sy = h - 1 - y; break;   // half a turn
        case 4: sy = h - 1 - y; break;                   // mirrored upside down
        case 5: sx = y; sy = x; break;                   // mirrored along the diagonal
        case 6: sx = y; sy = h - 1 - x; break;           // to be turned clockwise
        case 7: sx = w - 1 - y; sy = h - 1 - x; break;   // mirrored along the other diagonal
        case 8: sx = w - 1 - y; sy = x; break;           // to be turned anticlockwise
      }
      *out++ = picture->pixels[static_cast<std::size_t>(sy) * static_cast<std::size_t>(w) + static_cast<std::size_t>(sx)];
    }
  }
  return turned;
}

}  // namespace velvora::win32
