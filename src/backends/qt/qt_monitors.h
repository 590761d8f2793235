#pragma once
// The desktop's screens as the program's monitors: a change (a screen comes or goes, moves or
// changes size, another becomes the primary) reaches the program as its MonitorsChanged event.
namespace velvora {
class Program;
}

namespace velvora::qt {

// Call once, after the program object exists; it must outlive the event loop.
void ReportMonitorChanges(Program& program);

}  // namespace velvora::qt
