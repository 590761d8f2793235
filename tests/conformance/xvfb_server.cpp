#include "xvfb_server.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velvora::conformance {

constexpr int kStartBoundMs = 10000;

XvfbServer::XvfbServer() {
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    close(fds[0]);
    // Xvfb writes the display number it chose to the descriptor it is given.
    const std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string number;
  pollfd ready{fds[0], POLLIN, 0};
  char c = 0;
  while (pid_ > 0 && poll(&ready, 1, kStartBoundMs) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (!number.empty()) display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);  // lets the server remove its lock file
  waitpid(pid_, nullptr, 0);
}

}  // namespace velvora::conformance
