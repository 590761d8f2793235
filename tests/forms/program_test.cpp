// The forms model and its dispatch on the simulated platform.
#include <gtest/gtest.h>

#include "forms/controls.h"
#include "forms/list_controls.h"
#include "forms/program.h"
#include "runtime/errors.h"
#include "support/sim_session.h"

namespace velvora {
namespace {

class frmProbe : public Form {
 public:
  static constexpr std::string_view kName = "frmProbe";
  explicit frmProbe(Program& p)
      : Form(p, {.name = kName, .caption = "Probe", .clientWidth = 3000, .clientHeight = 2000}),
        Frame1(Add<Frame>({.name = "Frame1"})),
        OptA(Add<OptionButton>({.name = "OptA"})),
        OptB(Add<OptionButton>({.name = "OptB"})),
        OptC(Add<OptionButton>({.name = "OptC", .container = "Frame1"})),
        Timer1(Add<Timer>({.name = "Timer1"})),
        cmdGo(Add<CommandButton>({.name = "cmdGo"})) {
    Timer1.SetInterval(1000);
    Timer1.OnTimer = [this] { ++ticks; if (failOnTick) Raise(ErrorNumber::Overflow); };
    OptA.OnClick = [this] { ++clicksA; };
    cmdGo.OnClick = [this] {
      program().End();
      ranAfterEnd = true;
    };
  }
  void Form_Load() override { ++loads; }
  Frame& Frame1;
  OptionButton &OptA, &OptB, &OptC;
  Timer& Timer1;
  CommandButton& cmdGo;
  int loads = 0, ticks = 0, clicksA = 0;
  bool failOnTick = false, ranAfterEnd = false;
};

TEST(Program, FormsLoadOnFirstUseAndAfreshAfterUnload) {
  test::SimSession s;
  EXPECT_EQ(s.program.IfLoaded<frmProbe>(), nullptr);
  frmProbe& first = s.program.Use<frmProbe>();
  EXPECT_EQ(first.loads, 1);
  EXPECT_EQ(&s.program.Use<frmProbe>(), &first);
  EXPECT_NE(first.hWnd(), 0);
  s.program.Dispatch([&] { s.program.Unload(first); });
  EXPECT_EQ(s.program.IfLoaded<frmProbe>(), nullptr);
  EXPECT_EQ(s.program.Use<frmProbe>().loads, 1);  // a new instance, loaded once
}

TEST(Program, OptionGroupsFollowContainers) {
  test::SimSession s;
  frmProbe& f = s.program.Use<frmProbe>();
  f.OptC.SetValue(true);
  f.OptA.SetValue(true);
  f.OptB.SetValue(true);
  EXPECT_FALSE(f.OptA.Value());
  EXPECT_TRUE(f.OptB.Value());
  EXPECT_TRUE(f.OptC.Value());  // another container, another group
  EXPECT_EQ(f.clicksA, 1);
}

TEST(Program, TimersTickOnVirtualTime) {
  test::SimSession s;
  frmProbe& f = s.program.Use<frmProbe>();
  s.sim.Advance(999);
  EXPECT_EQ(f.ticks, 0);
  s.sim.Advance(1);
  EXPECT_EQ(f.ticks, 1);
  s.sim.Advance(500);
  f.Timer1.SetEnabled(true);  // enabling restarts the count
  s.sim.Advance(999);
  EXPECT_EQ(f.ticks, 1);
  s.sim.Advance(1);
  EXPECT_EQ(f.ticks, 2);
  f.Timer1.SetEnabled(false);
  s.sim.Advance(5000);
  EXPECT_EQ(f.ticks, 2);
}

TEST(Program, UntrappedErrorShowsTheBoxAndEnds) {
  test::SimSession s;
  frmProbe& f = s.program.Use<frmProbe>();
  f.failOnTick = true;
  s.sim.Advance(3000);
  EXPECT_EQ(f.ticks, 1);  // nothing runs after the end
  ASSERT_EQ(s.sim.ErrorBoxes().size(), 1u);
  EXPECT_EQ(s.sim.ErrorBoxes()[0].number, 6);
  EXPECT_EQ(s.sim.ErrorBoxes()[0].text, "Overflow");
  EXPECT_EQ(s.program.Reason(), EndReason::RuntimeError);
  EXPECT_TRUE(s.sim.QuitRequested());
}

TEST(Program, EndStopsTheHandlerAndRunsTheEndHook) {
  test::SimSession s;
  int restored = 0;
  s.program.SetEndHook([&] { ++restored; });
  frmProbe& f = s.program.Use<frmProbe>();
  s.program.Raise(f, &f.cmdGo, {.kind = InputKind::Click});
  EXPECT_FALSE(f.ranAfterEnd);
  EXPECT_EQ(s.program.Reason(), EndReason::End);
  EXPECT_EQ(restored, 1);
}

TEST(Program, EndsWhenTheLastWindowCloses) {
  test::SimSession s;
  s.program.Start([](Program& p) { p.Use<frmProbe>().Show(); });
  EXPECT_FALSE(s.program.Ended());
  frmProbe& f = *s.program.IfLoaded<frmProbe>();
  s.program.Raise(f, nullptr, {.kind = InputKind::CloseBox});
  EXPECT_EQ(s.program.Reason(), EndReason::LastWindowClosed);
}

TEST(Program, StartWithoutWindowEnds) {
  test::SimSession s;
  s.program.Start([](Program&) {});
  EXPECT_EQ(s.program.Reason(), EndReason::LastWindowClosed);
}

class frmList : public Form {
 public:
  static constexpr std::string_view kName = "frmList";
  explicit frmList(Program& p) : Form(p, {.name = kName}), List1(Add<ListBox>({.name = "List1"})) {}
  ListBox& List1;
};

TEST(ListBox, SortsWithoutRegardToCaseAndKeepsEqualEntries) {
  test::SimSession s;
  ListBox& list = s.program.Use<frmList>().List1;
  for (const char* item : {"b", "C", "a", "B", "b"}) list.AddItem(item);
  ASSERT_EQ(list.ListCount(), 5);
  EXPECT_EQ(list.List(0), "a");
  EXPECT_EQ(list.List(1), "b");  // equal ignoring case: in the order added
  EXPECT_EQ(list.List(2), "B");
  EXPECT_EQ(list.List(3), "b");
  EXPECT_EQ(list.List(4), "C");
  EXPECT_EQ(list.List(5), "");
  EXPECT_EQ(list.List(-1), "");
}

TEST(ListBox, SelectionFollowsItsEntryAndRemovalClearsIt) {
  test::SimSession s;
  ListBox& list = s.program.Use<frmList>().List1;
  list.AddItem("m");
  list.SetListIndex(0);
  list.AddItem("a");
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(list.Text(), "m");
  list.RemoveItem(0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.Text(), "");
  EXPECT_THROW(list.RemoveItem(5), RuntimeError);
}

TEST(ListBox, HoldsAtMostSixteenBitsOfEntries) {
  test::SimSession s;
  ListBox& list = s.program.Use<frmList>().List1;
  for (int i = 32767; i > 0; --i) list.AddItem(std::to_string(i));
  EXPECT_EQ(list.ListCount(), 32767);
  EXPECT_EQ(list.List(0), "1");
  EXPECT_EQ(list.List(1), "10");
  try {
    list.AddItem("x");
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Code(), 6);
  }
}

TEST(PatternList, MatchesAnyPatternIgnoringCase) {
  const std::string patterns = "*.bmp;*.dib;*.gif;*.jpg;*.wmf;*.emp;*.ico;*.cur";
  EXPECT_TRUE(MatchesPatternList("a.JPG", patterns));
  EXPECT_TRUE(MatchesPatternList("x.y.cur", patterns));
  EXPECT_FALSE(MatchesPatternList("a.png", patterns));
  EXPECT_FALSE(MatchesPatternList("jpg", patterns));
}

}  // namespace
}  // namespace velvora
