#include "backends/win32/win32_system.h"

#include <cstring>

#include "backends/win32/win32_handles.h"
#include "backends/win32/win32_modules.h"

namespace velvora::win32 {

Win32System::~Win32System() {
  if (passwordCpl_) FreeLibrary(passwordCpl_);
  if (mpr_) FreeLibrary(mpr_);
}

// The system keeps its own count and answers with it; ours follows every call, so our windows can
// hide the pointer by the same rule where the system's count does not reach (Wine, a class cursor
// set again on every move).
std::int32_t Win32System::ShowCursor(std::int32_t show) {
  cursor_.Change(show);
  return ::ShowCursor(show);
}

std::int32_t Win32System::GetClientRect(Hwnd window, WinRect& rect) {
  RECT r{};
  if (!::GetClientRect(ToHwnd(window), &r)) return 0;  // the rectangle stays as it was
  rect = {r.left, r.top, r.right, r.bottom};
  return 1;
}

// The owner is a handle: on 64-bit Windows it goes through the pointer-sized calls, which are
// the same calls on 32-bit Windows.
std::int32_t Win32System::GetWindowLongA(Hwnd window, std::int32_t index) {
  if (index == kGwlHwndParent) {
    return static_cast<std::int32_t>(::GetWindowLongPtrA(ToHwnd(window), GWLP_HWNDPARENT));
  }
  return ::GetWindowLongA(ToHwnd(window), index);
}

std::int32_t Win32System::SetWindowLongA(Hwnd window, std::int32_t index, std::int32_t value) {
  if (index == kGwlHwndParent) {
    return static_cast<std::int32_t>(
        ::SetWindowLongPtrA(ToHwnd(window), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ToHwnd(value))));
  }
  return ::SetWindowLongA(ToHwnd(window), index, value);
}

Hwnd Win32System::SetParent(Hwnd child, Hwnd parent) {
  return FromHwnd(::SetParent(ToHwnd(child), ToHwnd(parent)));
}

std::int32_t Win32System::SetWindowPos(Hwnd window, Hwnd insertAfter, std::int32_t x, std::int32_t y,
                                       std::int32_t cx, std::int32_t cy, std::uint32_t flags) {
  return ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags);
}

std::int32_t Win32System::SystemParametersInfoA(std::uint32_t action, std::uint32_t param, void* buffer,
                                                std::uint32_t winIni) {
  return ::SystemParametersInfoA(action, param, buffer, winIni);
}

Hwnd Win32System::FindWindowA(const char* className, const char* windowName) {
  return FromHwnd(::FindWindowA(className, windowName));
}

std::int32_t Win32System::IsWindowEnabled(Hwnd window) { return ::IsWindowEnabled(ToHwnd(window)); }

std::int32_t Win32System::EnableWindow(Hwnd window, std::int32_t enable) {
  return ::EnableWindow(ToHwnd(window), enable);
}

// The size field is passed as the core set it: the system checks it.
std::int32_t Win32System::GetVersionExA(OsVersionInfo& info) {
  static_assert(sizeof(OsVersionInfo) == sizeof(OSVERSIONINFOA));
  OSVERSIONINFOA record{};
  record.dwOSVersionInfoSize = info.size;
  const BOOL result = ::GetVersionExA(&record);
  if (result) {
    info.major = record.dwMajorVersion;
    info.minor = record.dwMinorVersion;
    info.build = record.dwBuildNumber;
    info.platformId = record.dwPlatformId;
    std::memcpy(info.servicePack, record.szCSDVersion, sizeof info.servicePack);
  }
  return result;
}

std::int32_t Win32System::IsWindow(Hwnd window) { return ::IsWindow(ToHwnd(window)); }

void Win32System::LoadPasswordServices() {
  if (servicesLooked_) return;
  servicesLooked_ = true;
  mpr_ = LoadSystemComponent(L"mpr.dll");
  passwordCpl_ = LoadSystemComponent(L"password.cpl");
  changePassword_ = Function<ChangePassword>(mpr_, "PwdChangePasswordA");
  verifyPassword_ = Function<VerifyPassword>(passwordCpl_, "VerifyScreenSavePwd");
}

bool Win32System::HasPasswordServices() {
  LoadPasswordServices();
  return changePassword_ && verifyPassword_;
}

// Without the services: nothing to show (the core does not ask), and every close is accepted.
std::int32_t Win32System::PwdChangePasswordA(const char* regKey, Hwnd parent, std::int32_t reserved1,
                                             std::int32_t reserved2) {
  if (!HasPasswordServices()) return 0;
  return static_cast<std::int32_t>(changePassword_(regKey, ToHwnd(parent), static_cast<DWORD>(reserved1),
                                                   static_cast<DWORD>(reserved2)));
}

std::int32_t Win32System::VerifyScreenSavePwd(Hwnd window) {
  if (!HasPasswordServices()) return 1;
  return verifyPassword_(ToHwnd(window));
}

}  // namespace velvora::win32
