// The named system calls on the simulated platform: logged, answered from the script.
#include <cstring>

#include "backends/sim/sim_platform.h"

namespace velvora {
namespace {
std::string N(std::int64_t v) { return std::to_string(v); }
}  // namespace

void SimPlatform::Log(std::string name, std::vector<std::string> args) {
  calls_.push_back({std::move(name), std::move(args)});
}

std::int32_t SimPlatform::ShowCursor(std::int32_t show) {
  Log("ShowCursor", {N(show)});
  return cursor_.Change(show);
}

std::int32_t SimPlatform::GetClientRect(Hwnd window, WinRect& rect) {
  Log("GetClientRect", {N(window)});
  if (auto host = hostWindows.find(window); host != hostWindows.end()) {
    rect = {0, 0, host->second.first, host->second.second};
    return 1;
  }
  if (Window* w = FindWindow(window)) {
    rect = {0, 0, static_cast<std::int32_t>(w->form->Width() / kTwipsPerPixel),
            static_cast<std::int32_t>(w->form->Height() / kTwipsPerPixel)};
    return 1;
  }
  return 0;  // no such window: the rectangle is left as it was
}

std::int32_t SimPlatform::GetWindowLongA(Hwnd window, std::int32_t index) {
  Log("GetWindowLongA", {N(window), N(index)});
  Window* w = FindWindow(window);
  if (!w) return 0;
  return index == kGwlStyle ? w->style : index == kGwlHwndParent ? w->parent : 0;
}

std::int32_t SimPlatform::SetWindowLongA(Hwnd window, std::int32_t index, std::int32_t value) {
  Log("SetWindowLongA", {N(window), N(index), N(value)});
  Window* w = FindWindow(window);
  if (!w) return 0;
  std::int32_t& field = index == kGwlStyle ? w->style : w->parent;
  std::int32_t old = field;
  if (index == kGwlStyle || index == kGwlHwndParent) field = value;
  return old;
}

Hwnd SimPlatform::SetParent(Hwnd child, Hwnd parent) {
  Log("SetParent", {N(child), N(parent)});
  Window* w = FindWindow(child);
  if (!w) return 0;
  Hwnd old = w->parent;
  w->parent = parent;
  return old;
}

std::int32_t SimPlatform::SetWindowPos(Hwnd window, Hwnd insertAfter, std::int32_t x,
                                       std::int32_t y, std::int32_t cx, std::int32_t cy,
                                       std::uint32_t flags) {
  Log("SetWindowPos", {N(window), N(insertAfter), N(x), N(y), N(cx), N(cy), N(flags)});
  Window* w = FindWindow(window);
  if (!w) return 0;
  Form& form = *w->form;
  float left = (flags & kSwpNoMove) ? form.Left() : static_cast<float>(x) * kTwipsPerPixel;
  float top = (flags & kSwpNoMove) ? form.Top() : static_cast<float>(y) * kTwipsPerPixel;
  float width = (flags & kSwpNoSize) ? form.Width() : static_cast<float>(cx) * kTwipsPerPixel;
  float height = (flags & kSwpNoSize) ? form.Height() : static_cast<float>(cy) * kTwipsPerPixel;
  form.PlatformGeometry(left, top, width, height);
  if (!(flags & kSwpNoZOrder) && insertAfter == kHwndTopmost) w->topmost = true;
  if (flags & kSwpShowWindow) {
    w->shown = true;
    form.PlatformVisible(true);
  }
  return 1;
}

std::int32_t SimPlatform::SystemParametersInfoA(std::uint32_t action, std::uint32_t param,
                                                void* buffer, std::uint32_t winIni) {
  Log("SystemParametersInfoA",
      {N(action), N(param), buffer ? "buffer" : "null", N(winIni)});
  if (action == kSpiSetScreenSaveActive) screenSaverActive_ = param != 0;
  if (action == kSpiScreenSaverRunning) {
    if (buffer) std::memcpy(buffer, &saverRunning_, sizeof saverRunning_);
    saverRunning_ = static_cast<std::int32_t>(param);
  }
  return 1;
}

Hwnd SimPlatform::FindWindowA(const char* className, const char* windowName) {
  Log("FindWindowA", {className ? className : "null", windowName ? windowName : "null"});
  bool isTaskbar = className && std::strcmp(className, "Shell_traywnd") == 0;
  return isTaskbar && taskbar.present ? taskbar.handle : 0;
}

std::int32_t SimPlatform::IsWindowEnabled(Hwnd window) {
  Log("IsWindowEnabled", {N(window)});
  if (taskbar.present && window == taskbar.handle) return taskbar.enabled ? 1 : 0;
  return FindWindow(window) ? 1 : 0;
}

std::int32_t SimPlatform::EnableWindow(Hwnd window, std::int32_t enable) {
  Log("EnableWindow", {N(window), N(enable)});
  if (!(taskbar.present && window == taskbar.handle)) return 0;
  bool wasDisabled = !taskbar.enabled;
  taskbar.enabled = enable != 0;
  return wasDisabled ? 1 : 0;
}

std::int32_t SimPlatform::GetVersionExA(OsVersionInfo& info) {
  Log("GetVersionExA", {N(info.size)});
  if (versions.queryFails) return 0;
  info.major = versions.major;
  info.minor = versions.minor;
  info.platformId = versions.platformId;
  return 1;
}

std::int32_t SimPlatform::IsWindow(Hwnd window) {
  Log("IsWindow", {N(window)});
  const bool taskbarWindow = taskbar.present && window == taskbar.handle;
  return hostWindows.count(window) || FindWindow(window) || taskbarWindow ? 1 : 0;
}

bool SimPlatform::HasPasswordServices() { return passwordServices; }

std::int32_t SimPlatform::PwdChangePasswordA(const char* regKey, Hwnd parent, std::int32_t r1,
                                             std::int32_t r2) {
  Log("PwdChangePasswordA", {regKey ? regKey : "null", N(parent), N(r1), N(r2)});
  return 1;
}

std::int32_t SimPlatform::VerifyScreenSavePwd(Hwnd window) {
  Log("VerifyScreenSavePwd", {N(window)});
  if (passwordAnswers.empty()) return 1;
  std::int32_t answer = passwordAnswers.front();
  passwordAnswers.pop_front();
  return answer;
}

}  // namespace velvora
