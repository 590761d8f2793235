// The slideshow on two monitors of one virtual X screen: both show the show, the pointer is
// blank over both, a move on the second ends it, and a monitor that comes or goes while it runs
// is covered or dropped. Skipped where xrandr is missing (tools/install-packages installs it).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <vector>

#include "qt_fixture.h"
#include "virtual_display.h"

#include <X11/Xlib.h>

namespace velvora::test {
namespace {

const QRect kLeft(0, 0, 1280, 800);    // the primary
const QRect kRight(1280, 0, 1024, 768);

class TwoMonitors {
 public:
  explicit TwoMonitors(const QRect& primary = kLeft, const QRect& other = kRight) : x("2304x800x24"), other_(other) {
    // The program's windows come and go while they are looked at: a window gone meanwhile is
    // no error that ends the test.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    ready = x.display() && x.Xrandr({"--setmonitor", "*PRIMARY", XrandrGeometry(primary), "screen"}) && AddOther();
  }
  bool AddOther() const { return x.Xrandr({"--setmonitor", "OTHER", XrandrGeometry(other_), "none"}); }
  bool RemoveOther() const { return x.Xrandr({"--delmonitor", "OTHER"}); }

  // Starts the red and blue show; what the screen shows once it covers `areas` and its first
  // picture has come in (with the sixth second, its transition lasting at most 2.5 s).
  QImage ShowStarted(ProgramRun& run, const std::vector<QRect>& areas) const {
    run.RedAndBluePictures();
    QElapsedTimer clock;
    clock.start();
    run.Start("/s");
    if (!Covered(run, areas)) return {};
    WaitFor([&] { return clock.elapsed() > 9000; }, 12000);
    return x.Screenshot();
  }

  // Where the program's visible windows lie on the screen.
  std::vector<QRect> WindowsOf(const ProgramRun& run) const {
    std::vector<QRect> found;
    const QString ids =
        ProgramRun::Tool(x, {"search", "--onlyvisible", "--pid", QString::number(run.process.processId())});
    for (const QString& id : ids.split('\n', Qt::SkipEmptyParts)) {
      XWindowAttributes a{};
      ::Window child = 0;
      int left = 0, top = 0;
      if (!XGetWindowAttributes(x.display(), id.toULong(), &a)) continue;
      XTranslateCoordinates(x.display(), id.toULong(), DefaultRootWindow(x.display()), 0, 0, &left, &top, &child);
      found.emplace_back(left, top, a.width, a.height);
    }
    return found;
  }
  bool Covered(const ProgramRun& run, const std::vector<QRect>& areas) const {
    return WaitFor([&] {
      std::vector<QRect> windows = WindowsOf(run);
      if (windows.size() != areas.size()) return false;
      for (const QRect& area : areas) {
        if (std::find(windows.begin(), windows.end(), area) == windows.end()) return false;
      }
      return true;
    }, 10000);
  }

  VirtualDisplay x;
  bool ready = false;

 private:
  // xrandr's WIDTH/MMxHEIGHT/MM+X+Y.
  static QString XrandrGeometry(const QRect& r) {
    return QString("%1/300x%2/200+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
  }
  QRect other_;
};

#define REQUIRE_MONITORS(m)                     \
  REQUIRE_DISPLAY((m).x);                       \
  if (!(m).ready) GTEST_SKIP() << "xrandr missing, or it could not set the monitors"

// One of the two pictures, as the screen shows it.
bool APicture(QRgb pixel) { return pixel == qRgb(255, 0, 0) || pixel == qRgb(0, 0, 255); }

TEST(QtEndToEnd, TheSlideshowCoversBothMonitorsAndAMoveOnTheSecondEndsIt) {
  TwoMonitors m;
  REQUIRE_MONITORS(m);
  ProgramRun run(m.x);
  const QImage screen = m.ShowStarted(run, {kLeft, kRight});
  ASSERT_FALSE(screen.isNull()) << "both monitors covered";
  SaveArtefact(screen.copy(kLeft), "two_monitors_left");
  SaveArtefact(screen.copy(kRight), "two_monitors_right");
  EXPECT_TRUE(APicture(screen.pixel(kLeft.center()))) << std::hex << screen.pixel(kLeft.center());
  EXPECT_TRUE(APicture(screen.pixel(kRight.center()))) << std::hex << screen.pixel(kRight.center());
  // The 4:3 picture fitted on the 1024 x 768 monitor fills it; on the 1280 x 800 one the
  // window's colour shows beside it.
  EXPECT_TRUE(APicture(screen.pixel(kRight.left() + 2, kRight.top() + 400)));
  EXPECT_FALSE(APicture(screen.pixel(kLeft.left() + 2, kLeft.top() + 400)));

  // The pointer starts in the middle of the X screen, over the primary; any move reaches the
  // show, so the second monitor is only visited by the moves that end it.
  int left = 0, top = 0, unused = 0;
  ::Window root = 0, child = 0;
  unsigned mask = 0;
  XQueryPointer(m.x.display(), DefaultRootWindow(m.x.display()), &root, &child, &left, &top, &unused, &unused, &mask);
  ASSERT_TRUE(kLeft.contains(left, top));
  EXPECT_TRUE(ReadPointer(m.x.display()).Blank()) << "over the primary";
  ProgramRun::Tool(m.x, {"mousemove", "1500", "300"});
  EXPECT_FALSE(run.Ended(1000)) << "one move only records the place";
  EXPECT_TRUE(ReadPointer(m.x.display()).Blank()) << "over the second monitor";
  ProgramRun::Tool(m.x, {"mousemove", "1600", "350"});
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_EQ(run.process.exitCode(), 0);
  EXPECT_FALSE(ReadPointer(m.x.display()).Blank());
}

// On a Windows desktop the primary monitor starts at 0, 0; under X another may lie left of it.
// The slideshow window still shows the show there, not its backdrop pushed off the window.
TEST(QtEndToEnd, APrimaryRightOfTheOtherMonitorShowsTheShowToo) {
  const QRect primary(1024, 0, 1280, 800), other(0, 0, 1024, 768);
  TwoMonitors m(primary, other);
  REQUIRE_MONITORS(m);
  ProgramRun run(m.x);
  const QImage screen = m.ShowStarted(run, {primary, other});
  ASSERT_FALSE(screen.isNull()) << "both monitors covered";
  SaveArtefact(screen, "two_monitors_primary_right");
  EXPECT_TRUE(APicture(screen.pixel(primary.center()))) << std::hex << screen.pixel(primary.center());
  EXPECT_TRUE(APicture(screen.pixel(other.center()))) << std::hex << screen.pixel(other.center());
  run.process.terminate();
  EXPECT_TRUE(run.Ended(10000));
}

TEST(QtEndToEnd, AMonitorThatComesOrGoesDuringTheSlideshowIsCoveredOrDropped) {
  TwoMonitors m;
  REQUIRE_MONITORS(m);
  ASSERT_TRUE(m.RemoveOther());
  ProgramRun run(m.x);
  run.Start("/s");
  ASSERT_TRUE(m.Covered(run, {kLeft}));
  ASSERT_TRUE(m.AddOther());
  ASSERT_TRUE(m.Covered(run, {kLeft, kRight}));
  ProgramRun::Tool(m.x, {"mousemove", "1500", "300"});
  EXPECT_TRUE(ReadPointer(m.x.display()).Blank());
  ASSERT_TRUE(m.RemoveOther());
  EXPECT_TRUE(m.Covered(run, {kLeft}));
  EXPECT_EQ(run.process.state(), QProcess::Running);
  run.process.terminate();
  EXPECT_TRUE(run.Ended(10000));
}

}  // namespace
}  // namespace velvora::test
