#include "platform/file_path.h"

#include <random>

namespace velvora {

std::string CreateFreshTempFolder(std::string_view prefix) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path temp = fs::temp_directory_path(ec);
  if (ec) return "";
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = temp / FilePath(std::string(prefix) + std::to_string(entropy() % 100000000));
    if (fs::create_directory(candidate, ec)) return Utf8Path(candidate);  // false: it exists already
  }
  return "";
}

}  // namespace velvora
