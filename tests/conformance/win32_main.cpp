// The contracts on the Win32 backend need real windows, which Wine makes only on an X display:
// without one the program counts as skipped, unless a display was promised.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  if (!probe && !std::getenv("VELVORA_REQUIRE_WINDOWS")) {
    std::puts("no windows can be made here (Wine needs an X display): skipped");
    return 77;
  }
  if (probe) DestroyWindow(probe);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
