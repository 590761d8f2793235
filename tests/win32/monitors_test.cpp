// The monitors on the Win32 toolkit: a window covers whichever monitor the program names, on top,
// without a border and without taking the focus, and stays on it when maximised or given the
// monitor's own DPI; a change of the
// display reaches the program, which brings the slideshow back over the primary monitor. (Wine
// on Xvfb has one monitor: a part of it stands for another.)
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "backends/win32/win32_monitors.h"
#include "saver/frm_saver.h"
#include "startup/main_mode.h"
#include "test_window.h"
#include "toolkit_session.h"
#include "windows/frm_options.h"

namespace velvora {
namespace {

using test::ViewOf;

std::vector<LONG> Corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

std::vector<LONG> WindowCorners(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return Corners(r);
}

TEST(Win32Monitors, AWindowCoversAMonitorOnTopWithoutBorderOrFocusAndStaysOnItMaximisedOrAtAnotherDpi) {
  test::TestWindow other(200, 100);
  REQUIRE_WINDOW(other);
  ShowWindow(other.hwnd(), SW_SHOW);
  SetForegroundWindow(other.hwnd());
  test::ToolkitSession s;
  frmOptions& options = s.program.Use<frmOptions>();  // a dialog with a frame
  HWND window = ViewOf(options).window();
  const RECT primary = win32::PrimaryMonitorRect();
  const RECT monitor{primary.right / 2, primary.bottom / 4, primary.right, primary.bottom};
  const win32::Units desktop = win32::DesktopUnits();
  const TwipsRect area{desktop.ToTwips(monitor.left), desktop.ToTwips(monitor.top),
                       desktop.ToTwips(monitor.right - monitor.left), desktop.ToTwips(monitor.bottom - monitor.top)};

  s.program.Dispatch([&] { options.View()->CoverMonitor(area); });
  s.Turn();
  EXPECT_EQ(WindowCorners(window), Corners(monitor));
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_DLGMODALFRAME), WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetForegroundWindow(), other.hwnd());
  EXPECT_TRUE(options.Visible());
  EXPECT_EQ(std::vector<float>({options.Left(), options.Top(), options.Width(), options.Height()}),
            std::vector<float>({area.left, area.top, area.width, area.height}));

  s.program.Dispatch([&] { options.SetWindowState(WindowState::Maximized); });
  s.Turn();
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_EQ(WindowCorners(window), Corners(monitor));

  // Its monitor's DPI is not the screen's (as the system tells a window moved onto it): it still
  // covers the monitor, whatever size the system suggests for the new DPI.
  RECT suggested{0, 0, 300, 200};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  s.Turn();
  EXPECT_EQ(WindowCorners(window), Corners(monitor));
  EXPECT_EQ(ViewOf(options).units().Dpi(), 144);
}

// Every top-level window of the thread hears of the change, as the system tells them.
BOOL CALLBACK TellDisplayChanged(HWND window, LPARAM) {
  SendMessageW(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
  return TRUE;
}

void DisplayChanged() { EnumThreadWindows(GetCurrentThreadId(), TellDisplayChanged, 0); }

bool PointerSetOver(HWND over) {
  SendMessageW(over, WM_SETCURSOR, reinterpret_cast<WPARAM>(over), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return GetCursor() != nullptr;
}

TEST(Win32Monitors, ADisplayChangeBringsTheSlideshowBackOverThePrimaryMonitor) {
  test::ToolkitSession s("/s");
  s.program.Start(Main);
  frmSaver& saver = s.program.Use<frmSaver>();
  HWND window = ViewOf(saver).window();
  REQUIRE_WINDOW(window);
  s.Turn();
  const RECT primary = win32::PrimaryMonitorRect();
  EXPECT_EQ(WindowCorners(window), Corners(primary));
  // The pointer is blank over the show, over its picture too.
  EXPECT_FALSE(PointerSetOver(window));
  EXPECT_FALSE(PointerSetOver(ViewOf(saver).WindowOf(saver.Image1)));

  // Where a display change left it.
  SetWindowPos(window, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  s.Turn();
  ASSERT_EQ(WindowCorners(window), std::vector<LONG>({40, 30, 40 + primary.right, 30 + primary.bottom}));
  DisplayChanged();
  s.Turn();
  EXPECT_EQ(WindowCorners(window), Corners(primary));
  EXPECT_FALSE(s.program.Ended());
  s.program.Terminate();  // puts back the pointer, the taskbar and screen-saver activation
}

}  // namespace
}  // namespace velvora
