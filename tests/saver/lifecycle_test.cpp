// The slideshow window's load, start delay and the input that ends it.
#include "saver_fixture.h"

namespace velvora::test {
namespace {

using Lifecycle = SaverTest;

TEST_F(Lifecycle, FirstRunStoresPreferencesAndSetsTheGuards) {
  frmSaver& saver = StartFullScreen();
  auto& store = s.sim.Store();
  EXPECT_EQ((store[{"Velvora", "Settings", "Delay"}]), "2");
  EXPECT_EQ((store[{"Velvora", "Settings", "BackColor"}]), "-2147483633");
  EXPECT_EQ(saver.BackColor(), kButtonFace);
  EXPECT_EQ(s.sim.CursorCount(), -1);
  EXPECT_FALSE(s.sim.taskbar.enabled);
  EXPECT_EQ(CountOf("FindWindowA", {"Shell_traywnd", ""}), 1);
  EXPECT_EQ(CountOf("SystemParametersInfoA", {"97", "0", "buffer", "0"}), 1);
}

TEST_F(Lifecycle, StoredBackColourIsApplied) {
  s.sim.Store()[{"Velvora", "Settings", "BackColor"}] = "255";
  EXPECT_EQ(StartFullScreen().BackColor(), Rgb(255, 0, 0));
}

TEST_F(Lifecycle, CountdownStartsOnTheFifthTickAndChangesOnTheSixth) {
  Settings("1", "Min", {Picture("a.bmp")});
  frmSaver& saver = StartFullScreen();
  Ticks(4);
  EXPECT_FALSE(saver.Timer2.IsEnabled());
  Ticks(1);
  EXPECT_TRUE(saver.Timer2.IsEnabled());
  EXPECT_FALSE(saver.Timer1.IsEnabled());
  EXPECT_EQ(saver.Label1.Caption(), "Welcome to The Velvora!");
  EXPECT_FALSE(saver.Image1.Visible());
  Ticks(1);
  EXPECT_TRUE(saver.Image1.Visible());
  ASSERT_TRUE(saver.Image1.Picture());
  EXPECT_EQ(saver.Image1.Picture()->width, 4);
  EXPECT_EQ(saver.Label1.Caption(), "00:01:00");
}

TEST_F(Lifecycle, MouseMovesRecordClearAndClose) {
  frmSaver& saver = StartFullScreen();
  MoveMouse(saver, 100, 200.5f);  // records; y to the nearest even whole number
  EXPECT_EQ(saver.LastY, 200);
  MoveMouse(saver, 100, 200, &saver.Image1);  // exactly the record, on a picture: clears it
  EXPECT_EQ(saver.LastX, 0);
  MoveMouse(saver, 0, 0, &saver.Image2);  // a record of 0, 0 is no record
  MoveMouse(saver, 300, 40000);           // records, below any 16-bit position
  MoveMouse(saver, 300, 40000);           // clears
  MoveMouse(saver, 300, 40000);           // records again
  EXPECT_EQ(saver.LastY, 40000);
  EXPECT_FALSE(s.program.Ended());
  MoveMouse(saver, 300, 40001);
  EXPECT_EQ(s.program.Reason(), EndReason::End);
}

TEST_F(Lifecycle, PreviewIgnoresInputAndSetsNoGuards) {
  frmSaver& saver = StartPreview();
  Click(saver);
  s.program.Raise(saver, nullptr, {.kind = InputKind::KeyDown, .key = 13});
  s.program.Raise(saver, nullptr, {.kind = InputKind::KeyPress, .key = 'x'});
  for (float x : {10.0f, 20.0f, 30.0f}) MoveMouse(saver, x, x, &saver.Image2);
  EXPECT_FALSE(s.program.Ended());
  EXPECT_EQ(s.sim.CursorCount(), 0);
  EXPECT_TRUE(CallsOf("FindWindowA").empty());
  EXPECT_TRUE(CallsOf("ShowCursor").empty());
}

TEST_F(Lifecycle, KeysAndClicksCloseAtOnce) {
  for (InputKind kind : {InputKind::Click, InputKind::KeyDown, InputKind::KeyPress}) {
    SimSession session;
    session.program.Dispatch([&] { session.program.Use<frmSaver>().Show(); });
    session.program.Raise(*session.program.IfLoaded<frmSaver>(), nullptr, {.kind = kind});
    EXPECT_EQ(session.program.Reason(), EndReason::End);
  }
}

}  // namespace
}  // namespace velvora::test
