// The Windows program, Velvora.scr: the screen-saver switches as a Windows host passes them, on
// the Win32 backend.
#include <windows.h>

#include "app/windows_command_line.h"
#include "backends/win32/win32_crash_guard.h"
#include "backends/win32/win32_platform.h"
#include "backends/win32/win32_text.h"
#include "forms/program.h"
#include "startup/main_mode.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  velvora::win32::Win32Platform platform;
  velvora::Program program(platform.platform(),
                           velvora::win32::Utf8(velvora::app::CommandTail(GetCommandLineW())));
  // However the run ends, what it changed on the system is put back: a fault in our window code
  // ends it as a termination does, and so does a crash, before the process goes.
  platform.Serve(program);
  const velvora::win32::CrashGuard crashGuard([&program] { program.Terminate(); });
  program.Start(velvora::Main);
  if (!program.Ended()) platform.Run();
  return program.Reason() == velvora::EndReason::RuntimeError ? 1 : 0;
}
