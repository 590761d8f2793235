// A test build of Velvora.scr with a deliberate fault: "/s" on the Win32 backend under the crash
// guard, then an access violation that nothing handles. It prints what the run changed on the
// system while the slideshow runs and again once the guard has run, as the process ends.
#include <windows.h>

#include <cstdio>

#include "backends/win32/win32_crash_guard.h"
#include "backends/win32/win32_platform.h"
#include "forms/program.h"
#include "startup/main_mode.h"

namespace {

void Report(const char* when) {
  const int cursor = ShowCursor(TRUE) - 1;
  ShowCursor(FALSE);
  BOOL active = FALSE;
  SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  std::printf("%s cursor=%d active=%d taskbar=%d\n", when, cursor, active, taskbar ? IsWindowEnabled(taskbar) : -1);
  std::fflush(stdout);
}

// Installed before the guard, which passes the fault on to it once it has put things back.
LONG WINAPI ReportAfterGuard(EXCEPTION_POINTERS*) {
  Report("after");
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main() {
  SetUnhandledExceptionFilter(ReportAfterGuard);
  velvora::win32::Win32Platform platform;
  velvora::Program program(platform.platform(), "/s");
  const velvora::win32::CrashGuard guard([&program] { program.Terminate(); });
  program.Start(velvora::Main);
  platform.DoEvents();
  Report("during");
  *static_cast<volatile int*>(nullptr) = 1;  // the fault
  return 0;
}
