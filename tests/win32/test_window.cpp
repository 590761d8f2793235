#include "test_window.h"

#include "backends/win32/win32_handles.h"

namespace velvora::test {
namespace {

const wchar_t* ClassName() {
  static const wchar_t* name = [] {
    WNDCLASSW c{};
    c.lpfnWndProc = DefWindowProcW;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"VelvoraTestWindow";
    RegisterClassW(&c);
    return c.lpszClassName;
  }();
  return name;
}

}  // namespace

TestWindow::TestWindow(int width, int height, DWORD style)
    : hwnd_(CreateWindowExW(0, ClassName(), L"test", style, 0, 0, width, height, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr)) {}

TestWindow::~TestWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

Hwnd TestWindow::handle() const { return win32::FromHwnd(hwnd_); }

HWND WaitForTaskbar() {
  const TestWindow starter(10, 10);  // brings up the desktop
  for (int i = 0; i < 100; ++i) {
    if (HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) return taskbar;
    Sleep(50);
  }
  return nullptr;
}

}  // namespace velvora::test
