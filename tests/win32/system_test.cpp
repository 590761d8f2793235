// The system calls against real windows: the preview and full-screen sequences of start-up,
// the taskbar, the cursor, screen-saver activation.
#include <gtest/gtest.h>

#include "backends/win32/win32_handles.h"
#include "backends/win32/win32_system.h"
#include "test_window.h"

namespace velvora {
namespace {

using test::TestWindow;
using win32::FromHwnd;
using win32::ToHwnd;
using win32::Win32System;

TEST(WindowHandles, KeepTheirSignOnEveryWordSize) {
  EXPECT_EQ(ToHwnd(kHwndTopmost), HWND_TOPMOST);
  EXPECT_EQ(FromHwnd(HWND_TOPMOST), -1);
  EXPECT_EQ(FromHwnd(ToHwnd(0x7FFFFFFF)), 0x7FFFFFFF);
  EXPECT_EQ(FromHwnd(ToHwnd(-2147483647 - 1)), -2147483647 - 1);
}

// The calls start-up makes for "/p", in its order, on a host window.
TEST(SystemWindows, PreviewSequenceMakesTheWindowAChildThatFillsTheHost) {
  TestWindow host(400, 300);
  TestWindow saver(100, 100, WS_POPUP);
  REQUIRE_WINDOW(host);
  Win32System sys;
  WinRect client;
  ASSERT_EQ(sys.GetClientRect(host.handle(), client), 1);
  RECT expected;
  ::GetClientRect(host.hwnd(), &expected);
  EXPECT_EQ(client.right, expected.right);
  EXPECT_EQ(client.bottom, expected.bottom);
  EXPECT_GT(client.right, 0);

  const std::int32_t style = sys.GetWindowLongA(saver.handle(), kGwlStyle);
  EXPECT_EQ(style, GetWindowLongW(saver.hwnd(), GWL_STYLE));
  EXPECT_TRUE(style & WS_POPUP);
  sys.SetWindowLongA(saver.handle(), kGwlStyle, style | kWsChild);
  EXPECT_EQ(sys.SetParent(saver.handle(), host.handle()), FromHwnd(GetDesktopWindow()));
  EXPECT_EQ(GetAncestor(saver.hwnd(), GA_PARENT), host.hwnd());
  sys.SetWindowLongA(saver.handle(), kGwlHwndParent, host.handle());
  EXPECT_EQ(sys.GetWindowLongA(saver.handle(), kGwlHwndParent), host.handle());
  EXPECT_NE(sys.SetWindowPos(saver.handle(), 0, 0, 0, client.right, client.bottom,
                             kSwpNoZOrder | kSwpNoActivate | kSwpShowWindow),
            0);

  // Child, and shown by SetWindowPos; no other style bit changed.
  EXPECT_EQ(GetWindowLongW(saver.hwnd(), GWL_STYLE), style | kWsChild | static_cast<std::int32_t>(WS_VISIBLE));
  RECT inside;
  ::GetClientRect(saver.hwnd(), &inside);
  EXPECT_EQ(inside.right, client.right);
  EXPECT_EQ(inside.bottom, client.bottom);
}

TEST(SystemWindows, AWindowThatIsGoneIsNoWindowAndLeavesTheRectangle) {
  Hwnd gone = 0;
  {
    TestWindow window(50, 50);
    REQUIRE_WINDOW(window);
    gone = window.handle();
    EXPECT_NE(Win32System().IsWindow(gone), 0);
  }
  Win32System sys;
  EXPECT_EQ(sys.IsWindow(gone), 0);
  WinRect rect{1, 2, 3, 4};
  EXPECT_EQ(sys.GetClientRect(gone, rect), 0);
  EXPECT_EQ(rect.right, 3);
  EXPECT_EQ(rect.bottom, 4);
}

TEST(SystemWindows, FullScreenCallPutsTheWindowOnTopWithoutMovingIt) {
  TestWindow window(320, 200, WS_POPUP);
  REQUIRE_WINDOW(window);
  Win32System sys;
  EXPECT_NE(sys.SetWindowPos(window.handle(), kHwndTopmost, 0, 0, 0, 0, kSwpNoSize | kSwpNoMove), 0);
  EXPECT_TRUE(GetWindowLongW(window.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT r;
  GetWindowRect(window.hwnd(), &r);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 200);
}

TEST(SystemWindows, EnableWindowAnswersWhetherTheWindowWasDisabled) {
  TestWindow window(50, 50);
  REQUIRE_WINDOW(window);
  Win32System sys;
  EXPECT_EQ(sys.IsWindowEnabled(window.handle()), 1);
  EXPECT_EQ(sys.EnableWindow(window.handle(), 0), 0);
  EXPECT_EQ(sys.IsWindowEnabled(window.handle()), 0);
  EXPECT_NE(sys.EnableWindow(window.handle(), 1), 0);
  EXPECT_EQ(sys.IsWindowEnabled(window.handle()), 1);
}

TEST(SystemCursor, ShowCursorMovesTheDisplayCountByOne) {
  Win32System sys;
  const std::int32_t lowered = sys.ShowCursor(0);
  EXPECT_EQ(sys.ShowCursor(-1), lowered + 1);
}

TEST(SystemScreenSaver, ActivationGoesOffAndOnAgain) {
  Win32System sys;
  BOOL before = FALSE;
  SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &before, 0);
  BOOL active = TRUE;
  EXPECT_NE(sys.SystemParametersInfoA(kSpiSetScreenSaveActive, 0, nullptr, 0), 0);
  SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  EXPECT_FALSE(active);
  EXPECT_NE(sys.SystemParametersInfoA(kSpiSetScreenSaveActive, 1, nullptr, 0), 0);
  SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  EXPECT_TRUE(active);
  std::int32_t scratch = 0;
  EXPECT_NE(sys.SystemParametersInfoA(kSpiScreenSaverRunning, 0, &scratch, 0), 0);
  SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, before, nullptr, 0);
}

TEST(SystemTaskbar, FindsTheTaskbarByItsClassAndAnEmptyName) {
  const HWND expected = test::WaitForTaskbar();
  if (!expected) WITHOUT_DISPLAY("no taskbar");
  Win32System sys;
  const Hwnd taskbar = sys.FindWindowA("Shell_traywnd", "");
  EXPECT_EQ(ToHwnd(taskbar), expected);
  EXPECT_EQ(sys.FindWindowA("Velvora no such class", ""), 0);
}

}  // namespace
}  // namespace velvora
