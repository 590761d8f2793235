// The desktop program end to end over the hostile picture list (tools/make_hostile_pictures.py):
// the show goes on, every good picture appears at the centre of the screen, the one without read
// permission never does, memory stays bounded, and the program still ends on input.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <fstream>
#include <set>

#include "qt_fixture.h"
#include "settings/settings_file.h"
#include "support/hostile_pictures.h"
#include "support/permissions_enforced.h"
#include "virtual_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace velvora::test {
namespace {

// A field of the program's /proc status, in MB.
long StatusMb(const QProcess& process, const std::string& field) {
  std::ifstream status("/proc/" + std::to_string(process.processId()) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(field)) return std::stol(line.substr(field.size())) / 1024;
  }
  return -1;
}

TEST(QtEndToEnd, HostilePicturesArePassedOverAndTheGoodOnesShown) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  ProgramRun run(x);
  const HostilePictures pictures(run.folder / "pictures");
  if (!pictures.Failure().empty()) GTEST_SKIP() << pictures.Failure();
  // Root reads any file: the program runs without the capabilities that let it.
  run.process.setChildProcessModifier(EnforcePermissionsForChild);
  QProcess cat;
  cat.setChildProcessModifier(EnforcePermissionsForChild);
  cat.start("cat", {QString::fromStdString(pictures.Entry("12-unreadable.jpg").path)});
  ASSERT_TRUE(cat.waitForFinished(5000));
  ASSERT_NE(cat.exitCode(), 0) << "the picture without read permission can be read: the test would prove nothing";
  run.folder.Write("Velvora.ini", FormatSettingsFile({.intervalText = "2", .intervalUnit = "Sec", .fullWindow = true,
                                                      .pictures = pictures.Paths()}));
  run.Start("/s");
  ASSERT_FALSE(run.Window(x).isEmpty());

  // A picture stays three seconds and comes in within 2.5: it counts as shown when a few pixels
  // around the centre of the screen hold its colour in three samples running.
  std::set<std::string> good, shown;
  for (const HostileEntry& e : pictures.Entries()) {
    if (e.colour && !e.neverShown) good.insert(e.name);
  }
  const HostileEntry* candidate = nullptr;
  int running = 0;
  bool unreadableShown = false;
  QElapsedTimer clock;
  clock.start();
  while (shown != good && clock.elapsed() < 90000 && run.process.state() == QProcess::Running) {
    XImage* row = XGetImage(x.display(), DefaultRootWindow(x.display()), 508, 384, 9, 1, AllPlanes, ZPixmap);
    const HostileEntry* now = nullptr;
    for (int i = 0; row && i < 9 && !now; ++i) now = pictures.ShownBy(static_cast<std::uint32_t>(XGetPixel(row, i, 0)));
    if (row) XDestroyImage(row);
    unreadableShown = unreadableShown || (now && now->neverShown);
    running = now && now == candidate ? running + 1 : 1;
    candidate = now;
    if (now && running >= 3) shown.insert(now->name);
    QTest::qWait(100);
  }
  EXPECT_EQ(shown, good);
  EXPECT_FALSE(unreadableShown);
  ASSERT_EQ(run.process.state(), QProcess::Running);
  // Nothing the bombs claim was allocated: the program stays near its usual size.
  EXPECT_LT(StatusMb(run.process, "VmHWM:"), 200);
  EXPECT_LT(StatusMb(run.process, "VmPeak:"), 1024);
  std::cout << "resident peak " << StatusMb(run.process, "VmHWM:") << " MB, address space peak "
            << StatusMb(run.process, "VmPeak:") << " MB, " << clock.elapsed() / 1000 << " s\n";
  // And it still answers: two moves end it.
  ProgramRun::Tool(x, {"mousemove", "20", "740"});
  QTest::qWait(300);
  ProgramRun::Tool(x, {"mousemove", "60", "700"});
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_EQ(run.process.exitCode(), 0);
}

}  // namespace
}  // namespace velvora::test
