#pragma once
// The desktop's monitors as the system numbers them (the primary's top-left at 0, 0). Places on
// the desktop (monitors, the work area, a monitor a window is asked to cover) are twips at the
// screen's DPI, so a monitor the program was given is covered exactly.
#include <windows.h>

#include <vector>

#include "backends/win32/win32_units.h"
#include "platform/toolkit.h"

namespace velvora::win32 {

Units DesktopUnits();
// Every monitor's whole area (rcMonitor), the primary marked.
std::vector<Monitor> DesktopMonitors();
// The primary monitor's whole area in pixels.
RECT PrimaryMonitorRect();

}  // namespace velvora::win32
