// The help window: one instance at most, dropped by Done and the close box, built afresh.
#include <gtest/gtest.h>

#include "support/sim_session.h"
#include "windows/frm_help.h"

namespace velvora::test {
namespace {

TEST(Help, OpeningAgainReusesTheWindowAndDoneAsTheLastWindowEndsTheProgram) {
  SimSession s;
  s.program.Start([](Program& p) { p.Use<frmHelp>().Show(); });
  frmHelp* first = s.program.IfLoaded<frmHelp>();
  ASSERT_NE(first, nullptr);
  s.program.Dispatch([&] { s.program.Use<frmHelp>().Show(); });
  EXPECT_EQ(s.program.IfLoaded<frmHelp>(), first);
  EXPECT_EQ(s.program.LoadedForms().size(), 1u);  // never a second window

  s.program.Raise(*first, &first->cmdExit, {.kind = InputKind::Click});
  EXPECT_EQ(s.program.IfLoaded<frmHelp>(), nullptr);
  EXPECT_EQ(s.program.Reason(), EndReason::LastWindowClosed);
}

TEST(Help, CloseBoxDropsTheWindowAndHelpBuildsANewOne) {
  SimSession s;
  frmHelp& first = s.program.Use<frmHelp>();
  first.Show();
  first.SetCaption("changed");
  s.program.Raise(first, nullptr, {.kind = InputKind::CloseBox});
  EXPECT_EQ(s.program.IfLoaded<frmHelp>(), nullptr);
  frmHelp& second = s.program.Use<frmHelp>();
  EXPECT_EQ(second.Caption(), "Velvora - Help");
  EXPECT_FALSE(second.Visible());
}

}  // namespace
}  // namespace velvora::test
