// A crash ends the program the safe way: the test build with a deliberate fault (crash_child.cpp)
// puts back the cursor, the taskbar and screen-saver activation before the process ends.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "preferences_left_as_found.h"
#include "test_window.h"

namespace velvora {
namespace {

struct ChildRun {
  std::string output;
  DWORD exitCode = 0;
};

ChildRun RunChild(const std::wstring& program) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  ChildRun run;
  if (!CreatePipe(&read, &write, &inherit, 0)) return run;
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW start{sizeof start};
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdOutput = write;
  start.hStdError = write;
  PROCESS_INFORMATION process{};
  std::wstring line = L"\"" + program + L"\"";
  if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process)) {
    CloseHandle(write);
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) run.output.append(buffer, got);
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  } else {
    CloseHandle(write);
  }
  CloseHandle(read);
  return run;
}

std::wstring Beside(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of(L'\\') + 1) + name;
}

TEST(CrashGuard, AFaultPutsBackWhatTheRunChangedBeforeTheProcessEnds) {
  HWND taskbar = test::WaitForTaskbar();
  if (!taskbar) WITHOUT_DISPLAY("no taskbar");
  ASSERT_TRUE(IsWindowEnabled(taskbar));
  const test::PreferencesLeftAsFound preferences;
  const ChildRun run = RunChild(Beside(L"velvora_crash_child.exe"));
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION)) << run.output;
  // While it ran: pointer hidden, activation off, and on this family (Wine reports 6.x or
  // later, family 0) the taskbar disabled.
  EXPECT_NE(run.output.find("during cursor=-1 active=0 taskbar=0"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("after cursor=0 active=1 taskbar=1"), std::string::npos) << run.output;
  EXPECT_TRUE(IsWindowEnabled(taskbar));
}

}  // namespace
}  // namespace velvora
