#pragma once
// A virtual X server (Xvfb) on a display number it chooses itself, ended when this goes away.
#include <string>
#include <sys/types.h>

namespace velvora::conformance {

class XvfbServer {
 public:
  XvfbServer();
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;
  // ":<n>", or empty when Xvfb could not be started.
  const std::string& Display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace velvora::conformance
