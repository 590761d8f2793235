#include "app/driver_bmp.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "platform/file_path.h"

namespace velvora::driver {
namespace {

void PutLittleEndian(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

unsigned char Channel(std::int32_t colour, int shift) { return static_cast<unsigned char>((colour >> shift) & 0xFF); }

unsigned char Mix(unsigned char a, unsigned char b, int step, int steps) {
  return static_cast<unsigned char>((a * (steps - step) + b * step) / steps);
}

}  // namespace

bool WriteGradientBmp(const std::string& path, int width, int height, std::int32_t top, std::int32_t bottom) {
  if (width <= 0 || height <= 0) return false;
  const auto rowBytes = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
  const auto pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
  std::vector<unsigned char> file;
  file.push_back('B');
  file.push_back('M');
  PutLittleEndian(file, 54 + pixelBytes, 4);
  PutLittleEndian(file, 0, 4);
  PutLittleEndian(file, 54, 4);                       // where the pixels start
  PutLittleEndian(file, 40, 4);                       // BITMAPINFOHEADER
  PutLittleEndian(file, static_cast<std::uint32_t>(width), 4);
  PutLittleEndian(file, static_cast<std::uint32_t>(height), 4);  // positive: bottom row first
  PutLittleEndian(file, 1, 2);
  PutLittleEndian(file, 24, 2);
  PutLittleEndian(file, 0, 4);                        // no compression
  PutLittleEndian(file, pixelBytes, 4);
  PutLittleEndian(file, 2835, 4);                     // 72 DPI
  PutLittleEndian(file, 2835, 4);
  PutLittleEndian(file, 0, 4);
  PutLittleEndian(file, 0, 4);
  const int radius = std::min(width, height) / 4;
  for (int row = height - 1; row >= 0; --row) {
    const int steps = std::max(1, height - 1);
    unsigned char rgb[3];
    for (int k = 0; k < 3; ++k) rgb[k] = Mix(Channel(top, 8 * k), Channel(bottom, 8 * k), row, steps);
    for (int x = 0; x < width; ++x) {
      const int dx = x - width / 2, dy = row - height / 2;
      const bool inDisc = dx * dx + dy * dy <= radius * radius;
      for (int k = 2; k >= 0; --k) file.push_back(inDisc ? static_cast<unsigned char>(255 - rgb[k]) : rgb[k]);
    }
    for (auto pad = static_cast<std::uint32_t>(width * 3); pad < rowBytes; ++pad) file.push_back(0);
  }
  std::ofstream out(FilePath(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return static_cast<bool>(out);
}

}  // namespace velvora::driver
