#include <windows.h>

#include <algorithm>
#include <random>
#include <string>

#include "settings/durable_file.h"

namespace velvora {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

bool ReplaceFileDurably(const std::filesystem::path& target, std::string_view bytes) {
  std::random_device entropy;
  const std::wstring temp = target.wstring() + L".tmp" + std::to_wstring(entropy() % 1000000);
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
  CloseHandle(file);
  // Write-through: the rename is on the disk when the call returns.
  if (written && MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(temp.c_str());
  return false;
}

}  // namespace velvora
