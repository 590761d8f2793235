#include <cstdio>
#include <fstream>
#include <random>

#include "settings/durable_file.h"

namespace velvora {

bool ReplaceFileDurably(const std::filesystem::path& target, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::random_device entropy;
  fs::path temp = target;
  temp += ".tmp" + std::to_string(entropy() % 1000000);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::remove(temp.c_str());
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace velvora
