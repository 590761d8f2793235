#pragma once
// The system calls the behaviour names, one method each, with the arguments as passed.
// Results are returned as the platform gives them; callers examine only what they rely on.
#include <cstdint>

namespace velvora {

using Hwnd = std::int32_t;  // window numbers are 32-bit signed on the command line

struct WinRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// OSVERSIONINFOA: 148 bytes, the size field first.
struct OsVersionInfo {
  std::uint32_t size = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
  std::uint32_t platformId = 0;
  char servicePack[128] = {};
};
static_assert(sizeof(OsVersionInfo) == 148);

inline constexpr std::int32_t kGwlStyle = -16;
inline constexpr std::int32_t kGwlHwndParent = -8;
// Window style words.
inline constexpr std::int32_t kWsChild = 0x40000000;
inline constexpr std::int32_t kWsPopup = static_cast<std::int32_t>(0x80000000u);
inline constexpr std::int32_t kWsOverlappedWindow = 0x00CF0000;  // caption, frame, system menu, boxes
inline constexpr Hwnd kHwndTopmost = -1;
// SetWindowPos flags.
inline constexpr std::uint32_t kSwpNoSize = 0x1;
inline constexpr std::uint32_t kSwpNoMove = 0x2;
inline constexpr std::uint32_t kSwpNoZOrder = 0x4;
inline constexpr std::uint32_t kSwpNoActivate = 0x10;
inline constexpr std::uint32_t kSwpShowWindow = 0x40;
inline constexpr std::uint32_t kSpiSetScreenSaveActive = 17;
inline constexpr std::uint32_t kSpiScreenSaverRunning = 97;

class System {
 public:
  virtual ~System() = default;

  virtual std::int32_t ShowCursor(std::int32_t show) = 0;
  virtual std::int32_t GetClientRect(Hwnd window, WinRect& rect) = 0;
  virtual std::int32_t GetWindowLongA(Hwnd window, std::int32_t index) = 0;
  virtual std::int32_t SetWindowLongA(Hwnd window, std::int32_t index, std::int32_t value) = 0;
  virtual Hwnd SetParent(Hwnd child, Hwnd parent) = 0;
  virtual std::int32_t SetWindowPos(Hwnd window, Hwnd insertAfter, std::int32_t x, std::int32_t y,
                                    std::int32_t cx, std::int32_t cy, std::uint32_t flags) = 0;
  virtual std::int32_t SystemParametersInfoA(std::uint32_t action, std::uint32_t param,
                                             void* buffer, std::uint32_t winIni) = 0;
  virtual Hwnd FindWindowA(const char* className, const char* windowName) = 0;
  virtual std::int32_t IsWindowEnabled(Hwnd window) = 0;
  virtual std::int32_t EnableWindow(Hwnd window, std::int32_t enable) = 0;
  virtual std::int32_t GetVersionExA(OsVersionInfo& info) = 0;
  // Nonzero while a window of that number exists (ours or another program's).
  virtual std::int32_t IsWindow(Hwnd window) = 0;

  // The screen-saver password services are outside components that may be absent.
  virtual bool HasPasswordServices() = 0;
  virtual std::int32_t PwdChangePasswordA(const char* regKey, Hwnd parent, std::int32_t reserved1,
                                          std::int32_t reserved2) = 0;
  virtual std::int32_t VerifyScreenSavePwd(Hwnd window) = 0;
};

}  // namespace velvora
