#pragma once
// One run of Velvora.scr from a folder of its own: a copy of the program beside which it keeps
// its settings file, started with a command line as a screen-saver host starts it.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "support/temp_folder.h"

namespace velvora::e2e {

// Polls `condition` until it holds or `timeoutMs` has passed, handling the messages of this
// program's own windows meanwhile (a preview's host must answer the saver's calls).
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);

// A path of the build (a Unix path under Wine) as Windows programs name it.
std::wstring HostPath(const std::string& path);

class ScrRun {
 public:
  ScrRun();  // copies the program into a fresh folder
  ~ScrRun();  // a program still running is ended
  ScrRun(const ScrRun&) = delete;
  ScrRun& operator=(const ScrRun&) = delete;

  const test::TempFolder& folder() const { return folder_; }
  bool Start(const std::wstring& arguments);
  bool Ended(DWORD timeoutMs);
  DWORD ExitCode() const;
  // Starts the run and waits for its first visible window of that class (null when none came).
  HWND Open(const std::wstring& arguments, const wchar_t* className);
  // The first visible top-level window of the run with that class, or null after `timeoutMs`.
  HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs = 15000);
  // True when no window of the run with that class is visible within `timeoutMs`.
  bool WaitForNoWindow(const wchar_t* className, DWORD timeoutMs = 10000);

 private:
  HWND VisibleWindow(const wchar_t* className) const;

  test::TempFolder folder_;
  PROCESS_INFORMATION process_{};
};

// The run ends within ten seconds with exit code 0.
testing::AssertionResult EndsCleanly(ScrRun& run);

}  // namespace velvora::e2e
