#pragma once
// Window handles as the core numbers them (32-bit signed, as on the command line) and as Win32
// holds them. Window handles carry 32 significant bits on 64-bit Windows too, sign-extended.
#include <windows.h>

#include "platform/system.h"

namespace velvora::win32 {

inline HWND ToHwnd(Hwnd window) { return static_cast<HWND>(LongToHandle(window)); }
inline Hwnd FromHwnd(HWND window) { return static_cast<Hwnd>(HandleToLong(window)); }

}  // namespace velvora::win32
