// The program end to end on a virtual X display: configuration, full screen and preview.
// Skipped when Xvfb or xdotool is missing (tools/check installs them).
#include <gtest/gtest.h>

#include "qt_fixture.h"
#include "virtual_display.h"

#include <X11/Xlib.h>

namespace velvora::test {
namespace {

TEST(QtEndToEnd, ConfigurationDoneWritesTheSettingsFile) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  const std::string stored = "5\r\nSec\r\n 2 \r\nRandom\r\n/pictures/a.jpg\r\n/pictures/b.jpg\r\n";
  ProgramRun run(x);
  run.folder.Write("Velvora.ini", stored);
  run.Start("/c");
  const QString window = run.Window(x);
  ASSERT_FALSE(window.isEmpty());
  run.folder.Write("Velvora.ini", "");  // Done must write it all again
  // Done lies in the Properties frame: 6720, 5520 twips, 1635 x 585 (15 twips a pixel).
  ProgramRun::Tool(x, {"mousemove", "--window", window, "502", "387", "click", "1"});
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_EQ(run.process.exitCode(), 0);
  EXPECT_EQ(run.folder.Read("Velvora.ini"), stored);
}

TEST(QtEndToEnd, FullScreenCoversTheScreenAndEndsOnASecondMove) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  ProgramRun run(x);
  run.Start("/s");
  const QString window = run.Window(x);
  ASSERT_FALSE(window.isEmpty());
  XWindowAttributes attributes{};
  ASSERT_TRUE(WaitFor([&] {
    XGetWindowAttributes(x.display(), window.toULong(), &attributes);
    return attributes.width == 1024 && attributes.height == 768;
  }));
  // A move over the slideshow's backdrop (away from the pictures, which have moves of their
  // own) only records the place.
  ProgramRun::Tool(x, {"mousemove", "20", "740"});
  EXPECT_FALSE(run.Ended(1000));  // one move only records the place
  ProgramRun::Tool(x, {"mousemove", "60", "700"});
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_EQ(run.process.exitCode(), 0);
}

// The backdrop picture covers the whole window and a click on a picture does nothing, so a
// click alone never ends the show; a key does.
TEST(QtEndToEnd, FullScreenIgnoresAClickAloneAndEndsOnAKey) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  ProgramRun run(x);
  run.Start("/s");
  ASSERT_FALSE(run.Window(x).isEmpty());
  ProgramRun::Tool(x, {"click", "1"});
  ProgramRun::Tool(x, {"click", "1"});
  EXPECT_FALSE(run.Ended(1500));
  ProgramRun::Tool(x, {"key", "space"});
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_EQ(run.process.exitCode(), 0);
}

TEST(QtEndToEnd, ATerminationSignalEndsTheSlideshowLikeEnd) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  ProgramRun run(x);
  run.Start("/s");
  ASSERT_FALSE(run.Window(x).isEmpty());
  run.process.terminate();  // SIGTERM
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_EQ(run.process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(run.process.exitCode(), 0);
}

TEST(QtEndToEnd, PreviewEmbedsIntoTheHostAndEndsWithIt) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  Display* d = x.display();
  const Window host = x.CreateHost(320, 240);
  ProgramRun run(x);
  run.Start(QString("/p %1").arg(host));
  ASSERT_TRUE(WaitFor([&] { return x.EmbeddedSize(host) == QSize(320, 240); }, 10000));
  EXPECT_EQ(run.process.state(), QProcess::Running);
  // A preview leaves the pointer as it is.
  ProgramRun::Tool(x, {"mousemove", "100", "100"});
  EXPECT_FALSE(ReadPointer(d).Blank());
  XDestroyWindow(d, host);
  XSync(d, False);
  ASSERT_TRUE(run.Ended(10000));
}

TEST(QtEndToEnd, ATerminationSignalEndsTheProgramWhileTheErrorBoxIsOpen) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  ProgramRun run(x);
  run.Start("/p abc");  // the type-mismatch box, modal
  ASSERT_FALSE(run.Window(x).isEmpty());
  EXPECT_FALSE(run.Ended(500));  // the box waits for its answer
  run.process.terminate();
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_EQ(run.process.exitStatus(), QProcess::NormalExit);
}

TEST(QtEndToEnd, APreviewForANumberThatIsNoWindowEndsInsteadOfStayingInvisible) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  for (const char* line : {"/p 0", "/p 123"}) {
    XWindowAttributes attributes{};
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    ASSERT_EQ(XGetWindowAttributes(x.display(), 123, &attributes), 0);  // no such window
    ProgramRun run(x);
    run.Start(line);
    ASSERT_TRUE(run.Ended(10000)) << line;
    EXPECT_EQ(run.process.exitCode(), 0) << line;
  }
}

TEST(QtEndToEnd, NoArgumentsShowTheSetupDialog) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  ProgramRun run(x);
  run.Start("");
  const QString window = run.Window(x);
  ASSERT_FALSE(window.isEmpty());
  XWindowAttributes attributes{};
  XGetWindowAttributes(x.display(), window.toULong(), &attributes);
  EXPECT_EQ(attributes.width, 572);  // the setup dialog's client area
  EXPECT_EQ(attributes.height, 424);
  run.process.terminate();
  EXPECT_TRUE(run.Ended(10000));
}

TEST(QtEndToEnd, OptionsOkStoresTheDelayAndEnds) {
  VirtualDisplay x;
  REQUIRE_DISPLAY(x);
  ProgramRun run(x);
  run.Start("/o");
  const QString window = run.Window(x);
  ASSERT_FALSE(window.isEmpty());
  // The delay box lies at 2640, 720 twips (176, 48 pixels), OK at 1560, 2040 (104, 136).
  ProgramRun::Tool(x, {"mousemove", "--window", window, "196", "60", "click", "1"});
  ProgramRun::Tool(x, {"key", "--window", window, "ctrl+a"});
  ProgramRun::Tool(x, {"type", "--window", window, "7"});
  ProgramRun::Tool(x, {"mousemove", "--window", window, "144", "152", "click", "1"});
  ASSERT_TRUE(run.Ended(10000));
  EXPECT_EQ(run.process.exitCode(), 0);
  const std::string stored = run.folder.Read("config/Velvora/Velvora.conf");
  EXPECT_NE(stored.find("Delay=7"), std::string::npos) << stored;
  EXPECT_NE(stored.find("BackColor=-2147483633"), std::string::npos) << stored;
}

}  // namespace
}  // namespace velvora::test
