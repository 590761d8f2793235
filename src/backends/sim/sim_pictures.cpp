// Pictures on the simulated platform: real files decoded by stb_image (format by content).
#include <stb_image.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "backends/sim/sim_platform.h"
#include "runtime/errors.h"

namespace velvora {

PicturePtr SimPlatform::LoadPicture(const std::string& path) {
  if (path.empty()) return nullptr;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) Raise(ErrorNumber::FileNotFound);
  const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  int width = 0, height = 0, channels = 0;
  // stb_image decodes at full size only, so the header's size is what it would allocate.
  if (!file || !stbi_info_from_file(file.get(), &width, &height, &channels) ||
      std::int64_t{width} * height * 4 > kMaxPictureBytes) {
    Raise(ErrorNumber::InvalidPicture);
  }
  std::unique_ptr<stbi_uc, void (*)(void*)> rgba(stbi_load_from_file(file.get(), &width, &height, &channels, 4),
                                                 stbi_image_free);
  if (!rgba) Raise(ErrorNumber::InvalidPicture);
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
  if (name.empty() || !std::filesystem::is_regular_file(path, ec)) return nullptr;
  try {
    return LoadPicture(path);
  } catch (const RuntimeError&) {
    return nullptr;
  }
}

}  // namespace velvora
