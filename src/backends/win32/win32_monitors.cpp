#include "backends/win32/win32_monitors.h"

#include "backends/win32/win32_platform.h"

namespace velvora::win32 {
namespace {

// Called by the system for each monitor: it adds to the room made beforehand, so nothing here
// allocates or throws; a monitor beyond it (one that came meanwhile) ends the enumeration.
BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  auto& infos = *reinterpret_cast<std::vector<MONITORINFO>*>(list);
  if (infos.size() == infos.capacity()) return FALSE;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) infos.push_back(info);
  return TRUE;
}

}  // namespace

Units DesktopUnits() { return Units(ScreenDpi()); }

std::vector<Monitor> DesktopMonitors() {
  std::vector<MONITORINFO> infos;
  infos.reserve(static_cast<std::size_t>(GetSystemMetrics(SM_CMONITORS)) + 8);
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&infos));
  const Units units = DesktopUnits();
  std::vector<Monitor> monitors;
  for (const MONITORINFO& info : infos) {
    const RECT& r = info.rcMonitor;
    monitors.push_back({{units.ToTwips(r.left), units.ToTwips(r.top), units.ToTwips(r.right - r.left),
                         units.ToTwips(r.bottom - r.top)},
                        (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  }
  return monitors;
}

RECT PrimaryMonitorRect() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info)) return info.rcMonitor;
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::vector<Monitor> Win32Platform::Monitors() { return DesktopMonitors(); }

}  // namespace velvora::win32
