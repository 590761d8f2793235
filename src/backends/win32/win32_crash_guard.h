#pragma once
// While a guard exists, a fault that nothing handles (an access violation, a stack overflow, an
// exception of the system's) first puts back what the run changed on the system (the pointer, the
// taskbar, screen-saver activation), then goes on as it would have: to the filter installed
// before, else to the system, which ends the process. A filter has no context of its own, so the
// guard is the one process-wide pointer of the backend.
#include <windows.h>

#include <functional>

namespace velvora::win32 {

class CrashGuard {
 public:
  explicit CrashGuard(std::function<void()> restore);
  ~CrashGuard();
  CrashGuard(const CrashGuard&) = delete;
  CrashGuard& operator=(const CrashGuard&) = delete;

 private:
  static LONG WINAPI Filter(EXCEPTION_POINTERS* exception);

  std::function<void()> restore_;
  LPTOP_LEVEL_EXCEPTION_FILTER previous_;
  bool restoring_ = false;
};

}  // namespace velvora::win32
