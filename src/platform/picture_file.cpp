#include <algorithm>
#include <cstdint>
#include <fstream>

#include "platform/file_path.h"
#include "platform/picture.h"

namespace velvora {

bool PngChunksWithinFile(const std::string& path) {
  static constexpr char kSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1A', '\n'};
  std::ifstream file(FilePath(path), std::ios::binary | std::ios::ate);
  const std::streamoff size = file.tellg();
  char header[8];
  if (!file || size < 8 || !file.seekg(0).read(header, 8) || !std::equal(header, header + 8, kSignature)) return true;
  for (std::streamoff at = 8; at + 8 <= size; at += 12) {  // length, type, data, checksum
    unsigned char chunk[4];
    if (!file.seekg(at).read(reinterpret_cast<char*>(chunk), 4)) return true;
    const std::streamoff length = std::streamoff{chunk[0]} << 24 | chunk[1] << 16 | chunk[2] << 8 | chunk[3];
    if (length > size - at - 8) return false;
    at += length;
  }
  return true;
}

}  // namespace velvora
