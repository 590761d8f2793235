// The desktop program's arguments: the hosts' switches pass through as one line, xscreensaver's
// conventions become the preview of the window they name, help and version need no display.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/desktop_arguments.h"
#include "saver/frm_saver.h"
#include "startup/main_mode.h"
#include "support/sim_session.h"

namespace velvora::app {
namespace {

using Action = Invocation::Action;

Invocation Read(std::vector<std::string_view> args, const char* xscreensaverWindow = nullptr) {
  return ReadArguments(args, xscreensaverWindow);
}

TEST(DesktopArguments, HostSwitchesPassThroughAsOneLineWhateverTheEnvironment) {
  EXPECT_EQ(Read({"/p", "1234"}).commandLine, "/p 1234");
  EXPECT_EQ(Read({"/s"}).commandLine, "/s");
  EXPECT_EQ(Read({}).commandLine, "");
  EXPECT_EQ(Read({"", "/c"}).commandLine, " /c");  // the line keeps what the host gave
  // A switch of its own wins over a window xscreensaver left in the environment.
  EXPECT_EQ(Read({"/c"}, "0x600008").commandLine, "/c");
  EXPECT_EQ(Read({"/c"}, "0x600008").action, Action::Run);
}

TEST(DesktopArguments, XscreensaverConventionsBecomeThePreviewOfTheirWindow) {
  EXPECT_EQ(Read({"--root"}, "0x600008").commandLine, "/p 6291464");
  EXPECT_EQ(Read({"-root"}, "6291464").commandLine, "/p 6291464");
  EXPECT_EQ(Read({"-window-id", "0x4D2"}).commandLine, "/p 1234");
  EXPECT_EQ(Read({"--window-id", "1234"}).commandLine, "/p 1234");
  // The window given on the line wins over the environment's; other words are xscreensaver's.
  EXPECT_EQ(Read({"--root", "-window-id", "0x10"}, "0x600008").commandLine, "/p 16");
  EXPECT_EQ(Read({"--root", "-fps"}, "0x20").commandLine, "/p 32");
  // An entry in xscreensaver's list without "--root" still means its window.
  EXPECT_EQ(Read({}, "0x600008").commandLine, "/p 6291464");
  EXPECT_EQ(Read({}, "").commandLine, "");  // set but empty counts as unset
}

TEST(DesktopArguments, RootOutsideXscreensaverTakesTheScreensRootWindow) {
  const Invocation root = Read({"--root"});
  EXPECT_EQ(root.action, Action::Run);
  EXPECT_EQ(root.CommandLine(0x1e3), "/p 483");
  EXPECT_EQ(Read({"/s"}).CommandLine(0x1e3), "/s");  // asked only for "--root"
}

TEST(DesktopArguments, ANumberThatIsNoWindowIsTold) {
  for (const auto& [args, environment] : std::vector<std::pair<std::vector<std::string_view>, const char*>>{
           {{"-window-id"}, nullptr},
           {{"-window-id", "abc"}, nullptr},
           {{"-window-id", "0x"}, nullptr},
           {{"-window-id", "0x12G5"}, nullptr},
           {{"-window-id", "-5"}, nullptr},
           {{"-window-id", "2147483648"}, nullptr},  // beyond what start-up reads
           {{"--root"}, "window"},
           {{}, "0x600008 "}}) {
    const Invocation call = Read(args, environment);
    EXPECT_EQ(call.action, Action::BadWindow) << (args.empty() ? environment : args.back());
    std::ostringstream out, err;
    EXPECT_EQ(Answer(call, out, err), 2);
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find("is no window number"), std::string::npos);
  }
  EXPECT_EQ(ParseWindowId("0x7fffffff"), 0x7fffffffu);
  EXPECT_EQ(ParseWindowId("0X1e3"), 0x1e3u);
  EXPECT_EQ(ParseWindowId("0"), 0u);  // start-up decides what a 0 window means
}

TEST(DesktopArguments, HelpAndVersionWinAndGoToStandardOutput) {
  for (const auto& args : std::vector<std::vector<std::string_view>>{{"--help"}, {"-h"}, {"/s", "-h", "--version"}}) {
    const Invocation call = Read(args, "0x600008");
    ASSERT_EQ(call.action, Action::Help);
    std::ostringstream out, err;
    EXPECT_EQ(Answer(call, out, err), 0);
    EXPECT_TRUE(err.str().empty());
    // Every switch the program reads is explained.
    for (const char* name : {"/s", "/p ID", "/c", "/o", "--root", "-window-id ID", "--version"}) {
      EXPECT_NE(out.str().find(name), std::string::npos) << name;
    }
  }
  std::ostringstream out, err;
  EXPECT_EQ(Answer(Read({"--version"}), out, err), 0);
  EXPECT_EQ(out.str(), std::string("velvora ") + VELVORA_VERSION + "\n");
}

TEST(DesktopArguments, ALineThatStartsNothingIsExplainedOnlyAtATerminal) {
  const Invocation call = Read({"--fullscreen"});
  std::ostringstream host, terminal;
  ExplainNothingStarted(call, false, host);
  ExplainNothingStarted(call, true, terminal);
  EXPECT_TRUE(host.str().empty());
  EXPECT_NE(terminal.str().find("\"--fullscreen\" starts nothing"), std::string::npos);
}

// The translated line runs the preview: the show fills xscreensaver's window, ignores input,
// touches none of the run guards, and a termination signal ends it.
TEST(DesktopArguments, AnXscreensaverStartIsThePreviewAtTheWindowsFullSize) {
  test::SimSession s(Read({"--root"}, "0x4d2").commandLine);
  s.sim.hostWindows[1234] = {1024, 768};
  s.program.Start(Main);
  frmSaver* saver = s.program.IfLoaded<frmSaver>();
  ASSERT_NE(saver, nullptr);
  EXPECT_EQ(s.sim.ParentOf(saver->hWnd()), 1234);
  EXPECT_EQ(saver->Width(), 1024 * SimPlatform::kTwipsPerPixel);
  EXPECT_EQ(saver->Height(), 768 * SimPlatform::kTwipsPerPixel);
  s.program.Raise(*saver, nullptr, {.kind = InputKind::KeyDown, .key = 65});
  s.sim.Advance(7000);  // past the start delay and the first change
  EXPECT_FALSE(s.program.Ended());
  s.program.Terminate();
  EXPECT_EQ(s.program.Reason(), EndReason::Terminated);
  const auto& calls = s.sim.Calls();
  EXPECT_TRUE(std::none_of(calls.begin(), calls.end(), [](const SimCall& call) {
    return call.name == "ShowCursor" || call.name == "SystemParametersInfoA";
  }));
}

}  // namespace
}  // namespace velvora::app
