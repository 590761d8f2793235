#pragma once
// Parts of Windows that are looked up at run time: newer calls that older systems lack, and DLLs
// beyond the few the program links against. Components are loaded from the system folder only.
#include <windows.h>

namespace velvora::win32 {

// A component of the system folder (never one of the same name on the search path); null when
// it is missing.
HMODULE LoadSystemComponent(const wchar_t* name);

// A function of a module, or null.
template <class F>
F Function(HMODULE module, const char* name) {
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace velvora::win32
