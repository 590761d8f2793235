#pragma once
// Real windows for the tests of the Windows backend. Wine needs an X display to make them; a
// test that cannot get one skips.
#include <windows.h>

#include <cstdlib>

#include "platform/system.h"

namespace velvora::test {

class TestWindow {
 public:
  // A top-level window of the given size (outer size), hidden.
  TestWindow(int width, int height, DWORD style = WS_OVERLAPPEDWINDOW);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  Hwnd handle() const;
  explicit operator bool() const { return hwnd_ != nullptr; }

 private:
  HWND hwnd_ = nullptr;
};

// The taskbar, or null when there is none. Wine's comes with the desktop process, which the
// first window of a session starts: this waits up to five seconds for it.
HWND WaitForTaskbar();

}  // namespace velvora::test

// Without a display a test of real windows skips; where VELVORA_REQUIRE_WINDOWS is set (tools/check
// provides a display) it fails instead.
#define WITHOUT_DISPLAY(what)                                                       \
  do {                                                                              \
    if (std::getenv("VELVORA_REQUIRE_WINDOWS")) FAIL() << what << " although a display was promised"; \
    GTEST_SKIP() << what << ": Wine needs an X display (tools/check runs Xvfb)";    \
  } while (0)
#define REQUIRE_WINDOW(w) \
  if (!(w)) WITHOUT_DISPLAY("no window")
