// Start-up: which command line starts which mode, and exactly what each mode asks of the system.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "saver/frm_saver.h"
#include "setup/frm_setup.h"
#include "startup/main_mode.h"
#include "windows/frm_options.h"
#include "support/error_code.h"
#include "support/sim_session.h"

namespace velvora {
namespace {

using Calls = std::vector<std::vector<std::string>>;

// The calls start-up makes itself, name first, in order; the windows' own calls are left out.
Calls StartupCalls(const SimPlatform& sim) {
  static const std::set<std::string> kStartupCalls = {
      "PwdChangePasswordA", "GetClientRect", "GetWindowLongA", "SetWindowLongA",
      "SetParent", "SetWindowPos", "SystemParametersInfoA"};
  Calls calls;
  for (const SimCall& call : sim.Calls()) {
    if (!kStartupCalls.count(call.name)) continue;
    std::vector<std::string> row{call.name};
    row.insert(row.end(), call.args.begin(), call.args.end());
    calls.push_back(row);
  }
  return calls;
}

struct StartupRun : test::SimSession {
  explicit StartupRun(std::string line, SimPlatform::Versions v = {}) : SimSession(std::move(line)) {
    sim.versions = v;
    sim.hostWindows[1234] = {152, 112};
    sim.hostWindows[34] = {200, 150};
  }
  StartupRun& Start() {
    program.Start(Main);
    return *this;
  }
  bool NoWindow() const { return program.LoadedForms().empty(); }
};

const SimPlatform::Versions kWin98{4, 10, 1};
const SimPlatform::Versions kNt4{4, 0, 2};
const SimPlatform::Versions kXp{5, 1, 2};

TEST(ParseWindowHandle, TakesTheDigitsAtTheEnd) {
  EXPECT_EQ(ParseWindowHandle("1234"), 1234);
  EXPECT_EQ(ParseWindowHandle("  /P  0099  "), 99);
  EXPECT_EQ(ParseWindowHandle("/P 12A34"), 34);
  EXPECT_EQ(ParseWindowHandle("/P:2147483647"), 2147483647);
  EXPECT_EQ(ParseWindowHandle("-5"), 5);  // a sign is not a digit
}

TEST(ParseWindowHandle, FailsWithoutTrailingDigitsOrBeyondRange) {
  auto errorOf = [](const std::string& text) { return test::ErrorOf([&] { ParseWindowHandle(text); }); };
  EXPECT_EQ(errorOf(""), 13);
  EXPECT_EQ(errorOf("   "), 13);
  EXPECT_EQ(errorOf("/P"), 13);
  EXPECT_EQ(errorOf("/P 1234 /S"), 13);
  EXPECT_EQ(errorOf("/P 2147483648"), 6);
  EXPECT_EQ(errorOf(std::string(32768, '1')), 6);  // the length itself is a 16-bit count
  EXPECT_EQ(ParseWindowHandle(std::string(32757, ' ') + "/P 0000012"), 12);  // 32767 long
}

TEST(Main, LinesThatStartNothingEndAtOnce) {
  for (const char* line : {" ", "/x", "/P 1234", " /p 1234", "/A 1234", "s", "c", "o"}) {
    StartupRun r(line);
    r.Start();
    EXPECT_TRUE(r.NoWindow()) << line;
    EXPECT_EQ(r.program.Reason(), EndReason::LastWindowClosed) << line;
    EXPECT_TRUE(StartupCalls(r.sim).empty()) << line;
    EXPECT_TRUE(r.sim.ErrorBoxes().empty()) << line;
    EXPECT_EQ(r.program.PreviewMode, kFalse16) << line;
  }
}

TEST(Main, ConfigurationShowsTheSetupDialogAndWinsOverFullScreen) {
  for (const char* line : {"/c", "/C", "/c:1234", "x/Cy", "/s /c", "/S/C"}) {
    StartupRun r(line);
    r.Start();
    ASSERT_NE(r.program.IfLoaded<frmSetup>(), nullptr) << line;
    EXPECT_TRUE(r.program.IfLoaded<frmSetup>()->Visible()) << line;
    EXPECT_EQ(r.program.IfLoaded<frmSaver>(), nullptr) << line;
    EXPECT_FALSE(r.program.Ended()) << line;
    EXPECT_TRUE(StartupCalls(r.sim).empty()) << line;  // activation stays on
  }
}

TEST(Main, ConfigurationWithAWindowNumberAfterAColonIsOwnedByThatWindow) {
  const std::pair<const char*, Hwnd> cases[] = {
      {"/c:1234", 1234}, {"/C:34 x", 34}, {"/c", 0}, {"/c 1234", 0}, {"/c:", 0}, {"/c:x1", 0},
      {"/c:4294967295", -1}, {"/c:4294967296", 0}, {"/c:123456789012345678901", 0}};
  for (const auto& [line, owner] : cases) {
    StartupRun r(line);
    r.Start();
    const frmSetup* setup = r.program.IfLoaded<frmSetup>();
    ASSERT_NE(setup, nullptr) << line;
    EXPECT_TRUE(setup->Visible()) << line;
    EXPECT_EQ(setup->OwnerWindow(), owner) << line;
    EXPECT_EQ(r.sim.GetWindowLongA(setup->hWnd(), kGwlHwndParent), owner) << line;
  }
  // The owner going away takes the dialog with it, as a Cancel would.
  StartupRun r("/c:1234");
  r.Start();
  r.sim.DestroyHost(1234);
  EXPECT_EQ(r.program.IfLoaded<frmSetup>(), nullptr);
  EXPECT_EQ(r.program.Reason(), EndReason::LastWindowClosed);
}

TEST(Main, AnEmptyLineConfiguresAsSlashCDoes) {
  StartupRun r("");
  r.Start();
  ASSERT_NE(r.program.IfLoaded<frmSetup>(), nullptr);
  EXPECT_TRUE(r.program.IfLoaded<frmSetup>()->Visible());
  EXPECT_EQ(r.program.LoadedForms().size(), 1u);
  EXPECT_FALSE(r.program.Ended());
  EXPECT_TRUE(StartupCalls(r.sim).empty());
}

TEST(Main, OptionsSwitchShowsTheOptionsDialogAfterConfigurationBeforeFullScreen) {
  for (const char* line : {"/o", "/O", "x/oy", "/o /s", "/S/O"}) {
    StartupRun r(line);
    r.Start();
    ASSERT_NE(r.program.IfLoaded<frmOptions>(), nullptr) << line;
    EXPECT_TRUE(r.program.IfLoaded<frmOptions>()->Visible()) << line;
    EXPECT_EQ(r.program.LoadedForms().size(), 1u) << line;
    EXPECT_TRUE(StartupCalls(r.sim).empty()) << line;  // no full-screen switch
  }
  for (const char* line : {"/c /o", "/O/C"}) {
    StartupRun r(line);
    r.Start();
    EXPECT_NE(r.program.IfLoaded<frmSetup>(), nullptr) << line;
    EXPECT_EQ(r.program.IfLoaded<frmOptions>(), nullptr) << line;
  }
}

TEST(Main, OptionsOkStoresBothValuesAndEnds) {
  StartupRun r("/o");
  r.Start();
  frmOptions& options = *r.program.IfLoaded<frmOptions>();
  r.program.Raise(options, &options.vsDelay, {.kind = InputKind::Scroll, .value = 7});
  r.program.Raise(options, &options.cmdOK, {.kind = InputKind::Click});
  EXPECT_EQ(r.program.Reason(), EndReason::End);
  EXPECT_EQ((r.sim.Store()[{"Velvora", "Settings", "Delay"}]), "7");
  EXPECT_EQ((r.sim.Store()[{"Velvora", "Settings", "BackColor"}]), "-2147483633");
}

TEST(Main, FullScreenTurnsActivationOffAndShowsTheSaverTopmost) {
  for (const char* line : {"/s", "/S", "a/sb", "/S 1234"}) {
    StartupRun r(line);
    r.Start();
    frmSaver* saver = r.program.IfLoaded<frmSaver>();
    ASSERT_NE(saver, nullptr) << line;
    const std::string h = std::to_string(saver->hWnd());
    Calls expected = {{"SystemParametersInfoA", "17", "0", "null", "0"},
                      {"SetWindowPos", h, "-1", "0", "0", "0", "0", "3"}};
    Calls calls = StartupCalls(r.sim);
    EXPECT_EQ(calls.front(), expected.front()) << line;
    EXPECT_NE(std::find(calls.begin(), calls.end(), expected.back()), calls.end()) << line;
    EXPECT_FALSE(r.sim.ScreenSaverActive());
    EXPECT_TRUE(saver->Visible());
    EXPECT_EQ(saver->GetWindowState(), WindowState::Maximized);
    EXPECT_EQ(r.program.PreviewMode, kFalse16);
    EXPECT_EQ(r.program.IfLoaded<frmSetup>() && r.program.IfLoaded<frmSetup>()->Visible(), false);
  }
}

TEST(Main, PreviewEmbedsTheSaverInTheHostsClientArea) {
  for (const char* line : {"/p 1234", "/p:1234", "/p  1234  ", "/p x12A1234"}) {
    StartupRun r(line);
    r.Start();
    frmSaver* saver = r.program.IfLoaded<frmSaver>();
    ASSERT_NE(saver, nullptr) << line;
    const std::string h = std::to_string(saver->hWnd());
    const std::int32_t style = r.sim.WindowStyle(saver->hWnd());
    const std::string oldStyle = std::to_string(style & ~kWsChild);
    Calls expected = {{"GetClientRect", "1234"},
                      {"GetWindowLongA", h, "-16"},
                      {"SetWindowLongA", h, "-16", std::to_string(style)},
                      {"SetParent", h, "1234"},
                      {"SetWindowLongA", h, "-8", "1234"},
                      {"SetWindowPos", h, "0", "0", "0", "152", "112", "84"}};
    EXPECT_EQ(StartupCalls(r.sim), expected) << line;
    EXPECT_NE(style & kWsChild, 0);
    EXPECT_NE(oldStyle, std::to_string(style));  // the child bit was added, not already there
    EXPECT_EQ(r.sim.ParentOf(saver->hWnd()), 1234);
    EXPECT_EQ(r.program.PreviewMode, kTrue16);
    EXPECT_EQ(saver->Caption(), "Preview");
    EXPECT_TRUE(saver->Visible());
    EXPECT_EQ(saver->Width(), 152 * SimPlatform::kTwipsPerPixel);
    EXPECT_FALSE(r.program.Ended());
  }
}

TEST(Main, PreviewOfAWindowThatDoesNotExistGetsNoSizeAndEndsAsIfItsHostWentAway) {
  StartupRun r("/p 12A345");
  r.Start();
  EXPECT_EQ(StartupCalls(r.sim).front(), (std::vector<std::string>{"GetClientRect", "345"}));
  EXPECT_EQ(StartupCalls(r.sim).back().at(5), "0");
  EXPECT_EQ(StartupCalls(r.sim).back().at(6), "0");
  // No invisible program is left behind.
  EXPECT_EQ(r.program.Reason(), EndReason::End);
  EXPECT_TRUE(r.NoWindow());
  EXPECT_TRUE(r.sim.QuitRequested());
}

TEST(Main, PreviewOfANumberThatIsNoWindowEnds) {
  for (const char* line : {"/p 0", "/p 123"}) {
    StartupRun r(line);
    r.Start();
    EXPECT_EQ(r.program.Reason(), EndReason::End) << line;
    EXPECT_TRUE(r.NoWindow()) << line;
    EXPECT_TRUE(r.sim.ErrorBoxes().empty()) << line;
  }
}

TEST(Main, PreviewEndsWhenItsHostGoesAwayLater) {
  StartupRun r("/p 1234");
  r.Start();
  r.sim.Advance(7000);  // the countdown has started
  r.sim.DestroyHost(34);  // another window's host: nothing happens
  EXPECT_FALSE(r.program.Ended());
  r.sim.DestroyHost(1234);
  EXPECT_EQ(r.program.Reason(), EndReason::End);
  EXPECT_TRUE(r.NoWindow());
}

TEST(Main, BadWindowNumbersShowTheErrorBoxBeforeAnyWindow) {
  struct Case {
    const char* line;
    SimPlatform::Versions versions;
    int error;
  };
  for (const Case& c : {Case{"/p", kWin98, 13}, Case{"/p 1234 /s", kXp, 13},
                        Case{"/p 99999999999", kXp, 6}, Case{"/a", kWin98, 5},
                        Case{"/a ", kWin98, 13}, Case{"/a 12x", kWin98, 13},
                        Case{"/a:99999999999", kWin98, 6}}) {
    StartupRun r(c.line, c.versions);
    r.Start();
    ASSERT_EQ(r.sim.ErrorBoxes().size(), 1u) << c.line;
    EXPECT_EQ(r.sim.ErrorBoxes()[0].number, c.error) << c.line;
    EXPECT_EQ(r.program.Reason(), EndReason::RuntimeError) << c.line;
    EXPECT_TRUE(r.NoWindow()) << c.line;
    EXPECT_TRUE(StartupCalls(r.sim).empty()) << c.line;
  }
}

TEST(Main, PasswordChangeOnlyOnTheNineXFamilyThenEnds) {
  struct Case {
    SimPlatform::Versions versions;
    bool asks;
  };
  for (const Case& c : {Case{kWin98, true}, Case{{4, 0, 1}, true}, Case{{6, 0, 2}, true},
                        Case{{0, 0, 0, true}, true}, Case{kNt4, false}, Case{{5, 0, 2}, false},
                        Case{kXp, false}}) {
    StartupRun r("/a 1234", c.versions);
    r.Start();
    const std::string version = std::to_string(c.versions.major) + "." +
                                std::to_string(c.versions.minor);
    Calls expected;
    if (c.asks) expected = {{"PwdChangePasswordA", "SCRSAVE", "1234", "0", "0"}};
    EXPECT_EQ(StartupCalls(r.sim), expected) << version;
    EXPECT_TRUE(r.NoWindow()) << version;
    EXPECT_EQ(r.program.Reason(), c.asks ? EndReason::End : EndReason::LastWindowClosed) << version;
  }
}

TEST(Main, PasswordModeWithoutThePasswordServiceEndsQuietly) {
  StartupRun r("/a 1234", kWin98);
  r.sim.passwordServices = false;
  r.Start();
  EXPECT_TRUE(StartupCalls(r.sim).empty());
  EXPECT_TRUE(r.sim.ErrorBoxes().empty());
  EXPECT_TRUE(r.sim.MessageBoxes().empty());
  EXPECT_EQ(r.program.Reason(), EndReason::End);
}

TEST(Main, PasswordSwitchOnNtFallsThroughToTheLaterTests) {
  StartupRun r("/a 1234 /s", kNt4);
  r.Start();
  EXPECT_NE(r.program.IfLoaded<frmSaver>(), nullptr);
  StartupRun nineX("/a 1234 /s", kWin98);  // on the 9x family the tail is no number
  nineX.Start();
  ASSERT_EQ(nineX.sim.ErrorBoxes().size(), 1u);
  EXPECT_EQ(nineX.sim.ErrorBoxes()[0].number, 13);
}

}  // namespace
}  // namespace velvora
