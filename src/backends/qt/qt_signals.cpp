#include "backends/qt/qt_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "forms/program.h"

namespace velvora::qt {
namespace {

// The write end of the pipe that carries a signal into the event loop; a signal handler may
// only touch such a plain value.
int signalWriteEnd = -1;

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
}

}  // namespace

void EndOnTerminationSignals(Program& program) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) return;
  signalWriteEnd = ends[0];
  auto* notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [&program, notifier] {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(static_cast<int>(notifier->socket()), &byte, 1);
    program.Terminate();
  });
  struct sigaction action {};
  action.sa_handler = &OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace velvora::qt
