// The pointer over the program's windows on a virtual X display, read back from the X server.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "qt_fixture.h"
#include "virtual_display.h"

#include <X11/Xlib.h>
#include <X11/cursorfont.h>

namespace velvora::test {
namespace {

void PauseUntil(const QElapsedTimer& clock, int ms) {
  WaitFor([&] { return clock.elapsed() >= ms; }, ms + 1000);
}

// A window over the whole screen, under the pointer, with a cursor of its own.
class CoveringWindow {
 public:
  explicit CoveringWindow(Display* d) : d_(d) {
    window_ = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1024, 768, 0, 0, 0);
    XMapWindow(d, window_);
    XWarpPointer(d, 0, window_, 0, 0, 0, 0, 500, 400);
  }
  ~CoveringWindow() { XDestroyWindow(d_, window_); }
  CoveringWindow(const CoveringWindow&) = delete;
  CoveringWindow& operator=(const CoveringWindow&) = delete;
  void Define(Cursor cursor) { XDefineCursor(d_, window_, cursor); }

 private:
  Display* d_;
  Window window_;
};

Cursor BlankCursor(Display* d) {
  const char nothing = 0;
  const Pixmap empty = XCreateBitmapFromData(d, DefaultRootWindow(d), &nothing, 1, 1);
  XColor black{};
  const Cursor blank = XCreatePixmapCursor(d, empty, empty, &black, &black, 0, 0);
  XFreePixmap(d, empty);
  return blank;
}

// The reading tells a blank pointer from a visible one, so the tests below can rely on it.
TEST(QtEndToEnd, PointerReadingTellsBlankFromArrow) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  Display* d = x.display();
  CoveringWindow window(d);
  window.Define(BlankCursor(d));
  EXPECT_TRUE(ReadPointer(d).Blank());
  window.Define(XCreateFontCursor(d, XC_left_ptr));
  const PointerImage arrow = ReadPointer(d);
  EXPECT_FALSE(arrow.Blank());
  EXPECT_GT(arrow.width, 4);
  window.Define(0);  // the server's default, inherited from the root
  EXPECT_FALSE(ReadPointer(d).Blank());
}

// The slideshow hides the pointer from its first second on, still after a minute of pictures
// changing, and the pointer is back once a movement has ended it.
TEST(QtEndToEnd, FullScreenHidesThePointerUntilItEnds) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  ProgramRun run(x);
  run.RedAndBluePictures();
  QElapsedTimer clock;
  clock.start();
  run.Start("/s");
  ASSERT_FALSE(run.Window(x).isEmpty());
  PauseUntil(clock, 1000);
  EXPECT_TRUE(ReadPointer(x.display()).Blank()) << "after 1 s";
  PauseUntil(clock, 60000);
  ASSERT_EQ(run.process.state(), QProcess::Running);
  EXPECT_TRUE(ReadPointer(x.display()).Blank()) << "after 60 s";
  ProgramRun::Tool(x, {"mousemove", "20", "740"});
  ProgramRun::Tool(x, {"mousemove", "60", "700"});
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_FALSE(ReadPointer(x.display()).Blank());
}

}  // namespace
}  // namespace velvora::test
