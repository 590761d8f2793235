#include "backends/win32/win32_modules.h"

#include <string>

namespace velvora::win32 {

HMODULE LoadSystemComponent(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  // No "insert the disk" box for a path on a removable drive.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryW(path.c_str());
  SetErrorMode(oldMode);
  return module;
}

}  // namespace velvora::win32
