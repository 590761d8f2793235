#pragma once
// A termination signal (SIGTERM, SIGINT, SIGHUP) reaches the program as its Terminate event:
// it ends at once, also while a modal box is open, with the run's guards put back.
namespace velvora {
class Program;
}

namespace velvora::qt {

// Call once, after the program object exists; it must outlive the event loop.
void EndOnTerminationSignals(Program& program);

}  // namespace velvora::qt
