#pragma once
// A termination signal (SIGTERM, SIGINT, SIGHUP) ends the program like End does, so the run's
// guards are put back before the process exits.
namespace velvora {
class Program;
}

namespace velvora::qt {

class QtPlatform;

// Call once, after the program object exists; both must outlive the event loop.
void EndOnTerminationSignals(QtPlatform& platform, Program& program);

}  // namespace velvora::qt
