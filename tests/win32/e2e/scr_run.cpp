#include "scr_run.h"

#include <algorithm>

#include "backends/win32/win32_text.h"

namespace velvora::e2e {
namespace {

struct Search {
  DWORD process;
  const wchar_t* className;
  HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  if (owner == search.process && IsWindowVisible(window) && wcscmp(name, search.className) == 0) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

// Wine maps the Unix root to drive Z:.
std::wstring HostPath(const std::string& path) {
  std::wstring wide = win32::Wide(path);
  if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return wide;
}

ScrRun::ScrRun() {
  CopyFileW(HostPath(VELVORA_SCR).c_str(), win32::Wide(folder_ / "Velvora.scr").c_str(), FALSE);
}

ScrRun::~ScrRun() {
  if (!process_.hProcess) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 10000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool ScrRun::Start(const std::wstring& arguments) {
  const std::wstring program = win32::Wide(folder_ / "Velvora.scr");
  std::wstring line = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        win32::Wide(folder_.Path()).c_str(), &startup, &process_) != 0;
}

bool ScrRun::Ended(DWORD timeoutMs) {
  return WaitFor([&] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
}

DWORD ScrRun::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

HWND ScrRun::VisibleWindow(const wchar_t* className) const {
  Search search{process_.dwProcessId, className};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ScrRun::Open(const std::wstring& arguments, const wchar_t* className) {
  return Start(arguments) ? WaitForWindow(className) : nullptr;
}

HWND ScrRun::WaitForWindow(const wchar_t* className, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] { return (found = VisibleWindow(className)) != nullptr; }, timeoutMs);
  return found;
}

bool ScrRun::WaitForNoWindow(const wchar_t* className, DWORD timeoutMs) {
  return WaitFor([&] { return VisibleWindow(className) == nullptr; }, timeoutMs);
}

testing::AssertionResult EndsCleanly(ScrRun& run) {
  if (!run.Ended(10000)) return testing::AssertionFailure() << "still running after 10 s";
  if (run.ExitCode() != 0) return testing::AssertionFailure() << "exit code " << run.ExitCode();
  return testing::AssertionSuccess();
}

}  // namespace velvora::e2e
