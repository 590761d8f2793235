// Pictures on the simulated platform: real files decoded by stb_image (format by content).
#include <stb_image.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "backends/sim/sim_platform.h"
#include "platform/file_path.h"
#include "runtime/errors.h"

namespace velvora {
namespace {

// The simulated platform decodes every picture at full size, so the time and memory a load
// takes go with the pixels the header claims, not with the file (a JPEG of 183 bytes claiming
// 52 megapixels, a BMP of 54 bytes claiming 14). It is a platform for tests: it takes pictures
// up to 4 megapixels, which load within a second even in the fuzzers' instrumented build.
constexpr std::int64_t kLargestPicturePixels = 2048 * 2048;

// The whole file, read at once: stb_image then skips within memory (from a file it seeks for every
// skip, and a BMP of 29 bytes with millions of padded rows took it seconds). False when the file
// cannot be read or is larger than any picture it could hold.
bool ReadWhole(const std::string& path, std::vector<unsigned char>& bytes) {
  std::ifstream file(FilePath(path), std::ios::binary | std::ios::ate);
  const std::streamoff size = file.tellg();
  if (!file || size < 0 || size > kMaxPictureBytes) return false;
  bytes.resize(static_cast<std::size_t>(size));
  // At most kMaxPictureBytes, so it fits the stream size of every build (32 bits on i686 Windows).
  const auto count = static_cast<std::streamsize>(size);
  return static_cast<bool>(file.seekg(0).read(reinterpret_cast<char*>(bytes.data()), count));
}

}  // namespace

PicturePtr SimPlatform::LoadPicture(const std::string& path) {
  if (path.empty()) return nullptr;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(FilePath(path), ec)) Raise(ErrorNumber::FileNotFound);
  std::vector<unsigned char> bytes;
  int width = 0, height = 0, channels = 0;
  if (!ReadWhole(path, bytes) || !PngChunksWithinFile(path) ||
      !stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels) ||
      // A BMP stored top down reports a negative height here.
      std::llabs(std::int64_t{width} * height) > kLargestPicturePixels) {
    Raise(ErrorNumber::InvalidPicture);
  }
  std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
      stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4),
      stbi_image_free);
  // stb_image also gives pictures without a pixel (a BMP 0 pixels wide): no picture either.
  if (!rgba || width <= 0 || height <= 0) Raise(ErrorNumber::InvalidPicture);
  auto picture = std::make_shared<Picture>();
  picture->width = width;
  picture->height = height;
  picture->pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  const stbi_uc* p = rgba.get();
  for (std::uint32_t& pixel : picture->pixels) {
    pixel = (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    p += 4;
  }
  return picture;
}

PicturePtr SimPlatform::LoadAsset(const std::string& name) {
  const std::string path = programFolder_ + "/assets/" + name + ".png";
  std::error_code ec;
  if (name.empty() || !std::filesystem::is_regular_file(FilePath(path), ec)) return nullptr;
  try {
    return LoadPicture(path);
  } catch (const RuntimeError&) {
    return nullptr;
  }
}

}  // namespace velvora
