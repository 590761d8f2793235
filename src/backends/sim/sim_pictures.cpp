// Pictures on the simulated platform: real files decoded by stb_image (format by content).
#include <stb_image.h>

#include <filesystem>
#include <memory>

#include "backends/sim/sim_platform.h"
#include "platform/file_path.h"
#include "runtime/errors.h"

namespace velvora {

PicturePtr SimPlatform::LoadPicture(const std::string& path) {
  if (path.empty()) return nullptr;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(FilePath(path), ec)) Raise(ErrorNumber::FileNotFound);
  int width = 0, height = 0, channels = 0;
  std::unique_ptr<stbi_uc, void (*)(void*)> rgba(stbi_load(path.c_str(), &width, &height, &channels, 4),
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
