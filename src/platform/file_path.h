#pragma once
// Paths are UTF-8 text in the core. The file system takes them through char8_t, so on Windows
// they reach the wide-character calls and any folder name works, whatever the code page.
#include <filesystem>
#include <string>
#include <string_view>

namespace velvora {

inline std::filesystem::path FilePath(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Path(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// A new, empty folder under the system's temporary folder, named `prefix` and a random number:
// its path, or the empty text when none could be made.
std::string CreateFreshTempFolder(std::string_view prefix);

}  // namespace velvora
