// The run guards: the password check at the close, and every end putting back what the run
// changed on the platform, once.
#include "runtime/errors.h"
#include "saver_fixture.h"
#include "setup/frm_setup.h"
#include "guards/mdl_main.h"

namespace velvora::test {
namespace {

using RunGuards = SaverTest;

TEST_F(RunGuards, RefusedPasswordKeepsEverythingAndTheNextMoveAsksAgain) {
  s.sim.passwordAnswers = {0, 1};
  frmSaver& saver = StartFullScreen();
  MoveMouse(saver, 10, 10);
  MoveMouse(saver, 11, 10);
  EXPECT_FALSE(s.program.Ended());
  EXPECT_EQ(CountOf("VerifyScreenSavePwd", {std::to_string(saver.hWnd())}), 1);
  EXPECT_EQ(s.sim.CursorCount(), -1);
  EXPECT_FALSE(s.sim.taskbar.enabled);
  EXPECT_FALSE(s.sim.ScreenSaverActive());
  EXPECT_EQ(saver.LastX, 10);  // the record stays, so a move elsewhere asks again

  MoveMouse(saver, 12, 10);
  EXPECT_EQ(CallsOf("VerifyScreenSavePwd").size(), 2u);
  EXPECT_EQ(s.program.Reason(), EndReason::End);
  EXPECT_EQ(s.sim.CursorCount(), 0);
  EXPECT_TRUE(s.sim.taskbar.enabled);
  EXPECT_TRUE(s.sim.ScreenSaverActive());
  EXPECT_EQ(s.program.IfLoaded<frmSaver>(), nullptr);
  EXPECT_EQ(s.program.IfLoaded<frmSetup>(), nullptr);
}

TEST_F(RunGuards, AcceptedCloseRestoresOnlyOnce) {
  Click(StartFullScreen());
  EXPECT_EQ(s.program.Reason(), EndReason::End);
  EXPECT_EQ(CountOf("ShowCursor", {"-1"}), 1);
  EXPECT_EQ(CountOf("EnableWindow", {std::to_string(s.sim.taskbar.handle), "1"}), 1);
  EXPECT_EQ(CountOf("SystemParametersInfoA", {"17", "1", "null", "0"}), 1);
  EXPECT_EQ(CountOf("SystemParametersInfoA", {"97", "0", "buffer", "0"}), 2);
}

TEST_F(RunGuards, NtFamilyEndsOnFirstInputWithoutDialogOrTaskbar) {
  UseNtFamily();
  Click(StartFullScreen());
  EXPECT_EQ(s.program.Reason(), EndReason::End);
  EXPECT_TRUE(CallsOf("VerifyScreenSavePwd").empty());
  EXPECT_TRUE(CallsOf("IsWindowEnabled").empty());
  EXPECT_TRUE(CallsOf("EnableWindow").empty());
  EXPECT_EQ(s.sim.CursorCount(), 0);
}

TEST_F(RunGuards, WithoutPasswordServicesTheCloseIsAccepted) {
  s.sim.passwordServices = false;
  Click(StartFullScreen());
  EXPECT_EQ(s.program.Reason(), EndReason::End);
  EXPECT_TRUE(CallsOf("VerifyScreenSavePwd").empty());
}

TEST_F(RunGuards, TaskbarAlreadyDisabledIsLeftAloneAtLoadAndEnabledAtTheClose) {
  s.sim.taskbar.enabled = false;
  frmSaver& saver = StartFullScreen();
  EXPECT_TRUE(CallsOf("EnableWindow").empty());
  Click(saver);
  EXPECT_TRUE(s.sim.taskbar.enabled);
}

TEST_F(RunGuards, RestoreTaskbarTwiceEnablesOnce) {
  mdlMain::DisableTaskbar(s.program);
  mdlMain::RestoreTaskbar(s.program);
  s.sim.taskbar.enabled = false;  // disabled again by someone else: not ours to undo
  mdlMain::RestoreTaskbar(s.program);
  EXPECT_EQ(CountOf("EnableWindow", {std::to_string(s.sim.taskbar.handle), "1"}), 1);
}

TEST_F(RunGuards, ErrorExitsAndOutsideClosesRestoreWhatIsStillSet) {
  StartFullScreen();
  s.program.Dispatch([] { Raise(ErrorNumber::Overflow); });
  EXPECT_EQ(s.sim.ErrorBoxes().size(), 1u);
  EXPECT_EQ(s.sim.CursorCount(), 0);
  EXPECT_TRUE(s.sim.taskbar.enabled);
  EXPECT_TRUE(s.sim.ScreenSaverActive());

  SimSession outside;
  outside.program.Dispatch([&] { outside.program.Use<frmSaver>().Show(); });
  outside.program.Raise(*outside.program.IfLoaded<frmSaver>(), nullptr, {.kind = InputKind::CloseBox});
  EXPECT_EQ(outside.program.Reason(), EndReason::End);
  EXPECT_EQ(outside.sim.CursorCount(), 0);
  EXPECT_TRUE(outside.sim.taskbar.enabled);
}

TEST_F(RunGuards, BadPreferenceFailsTheLoadBeforeTheCursorIsHidden) {
  s.sim.Store()[{"Velvora", "Settings", "BackColor"}] = "red";
  StartFullScreen();
  ASSERT_EQ(s.sim.ErrorBoxes().size(), 1u);
  EXPECT_EQ(s.sim.ErrorBoxes()[0].number, 13);
  EXPECT_TRUE(CallsOf("ShowCursor").empty());
  EXPECT_TRUE(s.sim.ScreenSaverActive());  // start-up's switch is put back all the same
}

}  // namespace
}  // namespace velvora::test
