#include "setup/file_patterns.h"

#include <algorithm>
#include <cctype>

#include "forms/list_controls.h"

namespace velvora {
namespace {

constexpr const char* kDesignedPatterns = "*.bmp;*.dib;*.gif;*.jpg;*.wmf;*.emp;*.ico;*.cur";

bool PlainExtension(const std::string& extension) {
  return !extension.empty() && std::all_of(extension.begin(), extension.end(), [](unsigned char c) {
    return std::isalnum(c) != 0;
  });
}

}  // namespace

std::string PicturePatterns(const std::vector<std::string>& loaderExtensions) {
  std::string patterns = kDesignedPatterns;
  std::vector<std::string> extensions{"emf"};
  extensions.insert(extensions.end(), loaderExtensions.begin(), loaderExtensions.end());
  for (const std::string& extension : extensions) {
    // A name with the extension that the list already matches needs no pattern of its own.
    if (PlainExtension(extension) && !MatchesPatternList("x." + extension, patterns)) {
      patterns += ";*." + extension;
    }
  }
  return patterns;
}

}  // namespace velvora
