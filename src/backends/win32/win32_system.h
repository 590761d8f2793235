#pragma once
// The named system calls on Windows: the real calls, with the arguments as the core gives them.
// The screen-saver password services of the 9x family (mpr.dll, password.cpl) are looked up in
// the system folder when first asked for; where either is missing, HasPasswordServices is false.
#include <windows.h>

#include "platform/cursor_display_count.h"
#include "platform/system.h"

namespace velvora::win32 {

class Win32System final : public System {
 public:
  Win32System() = default;
  ~Win32System() override;
  Win32System(const Win32System&) = delete;
  Win32System& operator=(const Win32System&) = delete;

  std::int32_t ShowCursor(std::int32_t show) override;
  std::int32_t GetClientRect(Hwnd window, WinRect& rect) override;
  std::int32_t GetWindowLongA(Hwnd window, std::int32_t index) override;
  std::int32_t SetWindowLongA(Hwnd window, std::int32_t index, std::int32_t value) override;
  Hwnd SetParent(Hwnd child, Hwnd parent) override;
  std::int32_t SetWindowPos(Hwnd window, Hwnd insertAfter, std::int32_t x, std::int32_t y,
                            std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;
  std::int32_t SystemParametersInfoA(std::uint32_t action, std::uint32_t param, void* buffer,
                                     std::uint32_t winIni) override;
  Hwnd FindWindowA(const char* className, const char* windowName) override;
  std::int32_t IsWindowEnabled(Hwnd window) override;
  std::int32_t EnableWindow(Hwnd window, std::int32_t enable) override;
  std::int32_t GetVersionExA(OsVersionInfo& info) override;
  std::int32_t IsWindow(Hwnd window) override;
  bool HasPasswordServices() override;
  std::int32_t PwdChangePasswordA(const char* regKey, Hwnd parent, std::int32_t reserved1,
                                  std::int32_t reserved2) override;
  std::int32_t VerifyScreenSavePwd(Hwnd window) override;

  // ShowCursor's count as this program's calls made it.
  const CursorDisplayCount& Cursor() const { return cursor_; }

 private:
  using ChangePassword = DWORD(WINAPI*)(LPCSTR regKey, HWND parent, DWORD reserved1, DWORD reserved2);
  using VerifyPassword = BOOL(WINAPI*)(HWND window);

  void LoadPasswordServices();

  CursorDisplayCount cursor_;
  bool servicesLooked_ = false;
  HMODULE mpr_ = nullptr;
  HMODULE passwordCpl_ = nullptr;
  ChangePassword changePassword_ = nullptr;
  VerifyPassword verifyPassword_ = nullptr;
};

}  // namespace velvora::win32
