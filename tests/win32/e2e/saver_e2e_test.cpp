// "/s" end to end: the slideshow covers the screen, hides the pointer, takes over the system's
// saver and, on the 9x line of the family test, the taskbar; shows the first picture after the
// start delay; and a mouse move ends it with all of that put back.
#include <gtest/gtest.h>

#include "picture_files.h"
#include "backends/win32/win32_text.h"
#include "remote_windows.h"
#include "scr_run.h"
#include "system_state.h"
#include "test_window.h"

namespace velvora::e2e {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF;

// Whether the pointer shows by ShowCursor's count of the program in front (the system asks the
// foreground window's input queue).
bool PointerShowing() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  return !GetCursorInfo(&info) || (info.flags & CURSOR_SHOWING) != 0;
}

TEST(SaverEndToEnd, FullScreenShowsThePicturesAndAMouseMovePutsTheSystemBack) {
  ForgetPreferences();
  HWND taskbar = Taskbar();
  ASSERT_NE(taskbar, nullptr) << "Wine's desktop has a taskbar window";
  ASSERT_TRUE(IsWindowEnabled(taskbar));
  SetScreenSaverActive(true);
  ASSERT_EQ(ScreenSaverActiveSeenAfresh(), 1);

  ScrRun run;
  // One picture, left half red and right half blue, full window, changed every 30 seconds.
  ASSERT_TRUE(test::EncodeWithImagingComponent(test::Encoder::Png, run.folder() / "red-blue.png",
                                               test::RedBlue(640, 480)));
  run.folder().Write("Velvora.ini", "30\r\nSec\r\n 1 \r\nFullWin\r\n" + (run.folder() / "red-blue.png") + "\r\n");
  MovePointer(8, 8);
  HWND saver = run.Open(L"/s", L"Velvora.frmSaver");
  REQUIRE_WINDOW(saver);
  const ULONGLONG shown = GetTickCount64();
  const Controls controls(saver);

  // The first run stores the preferences' defaults.
  EXPECT_EQ(Preference(L"Delay"), L"2");
  EXPECT_EQ(Preference(L"BackColor"), L"-2147483633");

  // It covers the screen, on top of every other window.
  const RECT screen = ScreenRect();
  EXPECT_TRUE(WaitFor(
      [&] {
        const RECT covered = WindowRect(saver);
        return EqualRect(&screen, &covered) != 0;
      },
      5000));
  EXPECT_TRUE(WaitFor([&] { return (GetWindowLongW(saver, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 5000));
  EXPECT_FALSE(GetWindowLongW(saver, GWL_STYLE) & WS_CAPTION);

  // While it runs: no pointer, no other saver, and the taskbar as the family test says.
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == saver; }, 5000)) << "the slideshow is in front";
  EXPECT_TRUE(WaitFor([] { return !PointerShowing(); }, 5000)) << "the pointer is hidden";
  EXPECT_EQ(ScreenSaverActiveSeenAfresh(), 0);
  if (SaverSeesFamilyZero()) {
    EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(taskbar); }, 5000)) << "the taskbar is disabled";
  } else {
    EXPECT_TRUE(IsWindowEnabled(taskbar)) << "the 5.x systems keep their taskbar";
  }

  // The welcome line until the start delay has passed, then the first picture and the count.
  HWND picture = controls["Image1"];
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(controls.Text("Label1"), L"Welcome to The Velvora!");
  EXPECT_FALSE(IsWindowVisible(picture));
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(picture) != 0; }, 20000)) << "the first picture";
  EXPECT_GE(GetTickCount64() - shown, 3000u) << "five seconds of start delay, from before the window showed";
  const int middle = screen.bottom / 2, quarter = screen.right / 4;
  EXPECT_TRUE(WaitFor(
      [&] {
        const test::Pixels now = Capture(screen);
        return PixelAt(now, quarter, middle) == kRed && PixelAt(now, 3 * quarter, middle) == kBlue;
      },
      15000))
      << "the picture fills the window once its transition is over";
  EXPECT_TRUE(WaitFor([&] { return controls.Text("Label1").rfind(L"The Velvora will change picture in: ", 0) == 0; },
                      5000))
      << win32::Utf8(controls.Text("Label1"));
  Screenshot(screen, "slideshow");

  // The first move records where the pointer is, the next one somewhere else ends the show.
  MovePointer(200, 300);
  MovePointer(420, 360);
  EXPECT_TRUE(EndsCleanly(run));
  EXPECT_TRUE(IsWindowEnabled(taskbar));
  EXPECT_EQ(ScreenSaverActiveSeenAfresh(), 1);
  ForgetPreferences();
}

}  // namespace
}  // namespace velvora::e2e
