#pragma once
// Replacing a file so that a failure or a crash at any moment leaves either the old file or the
// new one, whole: the bytes go to a temporary file beside the target, reach the disk, and only
// then take the target's name.
#include <filesystem>
#include <string_view>

namespace velvora {

// Returns false when the file could not be replaced; the old file is then as it was and no
// temporary file is left behind.
bool ReplaceFileDurably(const std::filesystem::path& target, std::string_view bytes);

}  // namespace velvora
