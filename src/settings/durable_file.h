#pragma once
// Replacing a file so that a crash or a power cut at any moment leaves either the old contents
// or the new ones, never a mixture, a shorter file or an empty one.
#include <filesystem>
#include <string_view>

namespace velvora {

// Writes `bytes` to a temporary file beside `target`, forces it to the disk, renames it over
// `target` and forces the folder to the disk. On failure the old file stays byte for byte, the
// temporary file is removed and the result is false. Temporary files that an interrupted
// replacement left behind are removed by the next replacement of the same target that succeeds.
bool ReplaceFileDurably(const std::filesystem::path& target, std::string_view bytes);

}  // namespace velvora
