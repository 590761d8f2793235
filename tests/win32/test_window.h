#pragma once
// Real windows for the tests of the Windows backend. Wine needs an X display to make them; a
// test that cannot get one skips.
#include <windows.h>

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

}  // namespace velvora::test

// Skips the test when no window can be made (Wine without a display).
#define REQUIRE_WINDOW(w) \
  if (!(w)) GTEST_SKIP() << "no window: Wine needs an X display (tools/check runs Xvfb)"
