#pragma once
// The desktop's screens as the program's monitors: a change (a screen comes or goes, moves or
// changes size, another becomes the primary) reaches the program as its MonitorsChanged event.
#include <QPoint>

namespace velvora {
class Program;
}

namespace velvora::qt {

// The primary screen's top-left corner on the X screen. The places the program is told and
// gives (windows, monitors, the work area) have it at 0, 0, as on a Windows desktop, so a window
// on the primary lies at 0, 0 also where X puts another monitor left of or above it.
QPoint DesktopOrigin();

// Call once, after the program object exists; it must outlive the event loop.
void ReportMonitorChanges(Program& program);

}  // namespace velvora::qt
