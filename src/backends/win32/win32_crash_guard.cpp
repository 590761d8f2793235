#include "backends/win32/win32_crash_guard.h"

namespace velvora::win32 {
namespace {
CrashGuard* active = nullptr;
}  // namespace

CrashGuard::CrashGuard(std::function<void()> restore) : restore_(std::move(restore)) {
  active = this;
  previous_ = SetUnhandledExceptionFilter(&CrashGuard::Filter);
}

CrashGuard::~CrashGuard() {
  SetUnhandledExceptionFilter(previous_);
  active = nullptr;
}

LONG WINAPI CrashGuard::Filter(EXCEPTION_POINTERS* exception) {
  CrashGuard* guard = active;
  if (!guard) return EXCEPTION_CONTINUE_SEARCH;
  // Once only: a fault while putting things back goes straight on.
  if (!guard->restoring_) {
    guard->restoring_ = true;
    try {
      guard->restore_();
    } catch (...) {
      // What could not be put back stays; the process ends all the same.
    }
  }
  return guard->previous_ ? guard->previous_(exception) : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace velvora::win32
