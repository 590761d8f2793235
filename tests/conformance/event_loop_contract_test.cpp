// The event loop on every backend: posted work runs on the next turn in order, DoEvents runs
// what is queued, timers tick through the program until stopped, and a list filled in one
// handler is rebuilt once.
#include "backend_harness.h"
#include "contract_forms.h"

namespace velvora::conformance {
namespace {

TEST_P(BackendContract, PostedWorkRunsOnTheNextTurnInTheOrderPosted) {
  std::vector<int> ran;
  program().Dispatch([&] {
    for (int i = 1; i <= 3; ++i) program().toolkit().Post([&ran, i] { ran.push_back(i); });
    EXPECT_TRUE(ran.empty());  // not inside the handler that posted it
  });
  harness().Turn();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
  harness().Pass(50);
  EXPECT_EQ(ran.size(), 3u);  // once each
}

TEST_P(BackendContract, DoEventsRunsTheWorkAlreadyQueued) {
  program().Use<frmContract>().Show();
  std::vector<int> ran;
  std::size_t ranInsideDoEvents = 0;
  program().Dispatch([&] {
    program().toolkit().Post([&] { ran.push_back(1); });
    program().toolkit().Post([&] { ran.push_back(2); });
    program().DoEvents();
    ranInsideDoEvents = ran.size();
  });
  EXPECT_EQ(ranInsideDoEvents, 2u);
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST_P(BackendContract, TimersTickThroughTheProgramUntilStopped) {
  program().Start([](Program& p) { p.Use<frmContract>().Show(); });
  frmContract& form = *program().IfLoaded<frmContract>();
  form.Timer1.SetEnabled(true);
  ASSERT_TRUE(harness().Until([&] { return form.ticks >= 3; }));
  form.Timer1.SetEnabled(false);
  const int ticks = form.ticks;
  harness().Pass(100);
  EXPECT_EQ(form.ticks, ticks);
}

TEST_P(BackendContract, AListFilledInOneHandlerIsRebuiltOnceOnTheNextTurn) {
  frmContract& form = program().Use<frmContract>();
  program().Dispatch([&] { form.Show(); });
  harness().Pass(50);
  const auto list = harness().ProbeList(form, form.lstItems);
  SKIP_UNLESS(list);
  program().Dispatch([&] {
    for (int i = 0; i < 32767; ++i) form.lstItems.AddItem("entry " + std::to_string(32766 - i));
    form.lstItems.SetListIndex(2);
  });
  EXPECT_EQ(list->Count(), 0);  // nothing rebuilt while the handler adds entries
  harness().Turn();
  EXPECT_EQ(list->Count(), 32767);
  EXPECT_EQ(list->Rebuilds(), 1);
  EXPECT_EQ(list->Entry(0), "entry 0");  // in the model's sorted order
  EXPECT_EQ(list->Entry(32766), "entry 9999");
  EXPECT_EQ(list->CurrentRow(), 2);

  program().Dispatch([&] { form.lstItems.RemoveItem(0); });
  harness().Turn();
  EXPECT_EQ(list->Count(), 32766);
  EXPECT_EQ(list->CurrentRow(), -1);
  harness().Pass(50);
  EXPECT_EQ(list->Rebuilds(), 2);
}

}  // namespace
}  // namespace velvora::conformance
