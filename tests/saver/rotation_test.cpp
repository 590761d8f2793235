// The countdown line, the order of pictures and effects, and what a change does with bad
// entries and long intervals.
#include <set>

#include "saver_fixture.h"
#include "setup/frm_setup.h"

namespace velvora::test {
namespace {

using Rotation = SaverTest;

std::string Line(const std::string& parts) { return "The Velvora will change picture in: \n\r" + parts + " Minutes."; }

TEST_F(Rotation, OneMinuteCountsDownAndChangesEverySixtyOneTicks) {
  Settings("1", "Min", {Picture("a.bmp"), Picture("b.bmp")});
  frmSaver& saver = StartFullScreen();
  ToFirstChange();
  EXPECT_EQ(saver.PicIndex, 1);
  Ticks(1);
  EXPECT_EQ(saver.Label1.Caption(), Line("00:00:59"));
  EXPECT_EQ(saver.Label1.GetFont().size, 20);
  Ticks(59);
  EXPECT_EQ(saver.Label1.Caption(), Line("00:00:00"));
  EXPECT_EQ(saver.PicIndex, 1);
  Ticks(1);
  EXPECT_EQ(saver.PicIndex, 2);
  EXPECT_EQ(saver.Label1.Caption(), "00:01:00");
  Ticks(61);
  EXPECT_EQ(saver.PicIndex, 1);  // wrapped to the first entry and moved on
}

TEST_F(Rotation, EffectsCycleThroughTheReplacementsWithTwoDistinctPrimaryColours) {
  Settings("0", "Sec", {Picture("only.bmp")});
  frmSaver& saver = StartFullScreen();
  std::vector<std::int32_t> expected;
  auto run = [&](int from, int to) { for (int n = from; n <= to; ++n) expected.push_back(n); };
  run(1, 36), run(13, 14), run(39, 39), run(1, 1), run(41, 49), run(12, 12), run(51, 59);
  run(3, 9), run(67, 89), run(15, 17), run(10, 10), run(94, 112), run(11, 11), run(1, 2);
  ASSERT_EQ(expected.size(), 115u);
  const std::set<Colour> primaries{0, 0xFF, 0xFF00, 0xFFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  Ticks(5);
  for (std::size_t change = 0; change < expected.size(); ++change) {
    Ticks(1);
    ASSERT_EQ(saver.Image1.PropertyLong(fx::kEffect), expected[change]) << "change " << change;
    const FxValue param = saver.Image1.Property(fx::kEffectParam);
    if (change == 0) {
      EXPECT_TRUE(std::holds_alternative<std::monostate>(param));
    } else {
      EXPECT_EQ(std::get<std::int32_t>(param), static_cast<std::int32_t>(change % 16));
    }
    const float speed = std::get<float>(saver.Image1.Property(fx::kSpeed));
    EXPECT_TRUE(speed >= 1 && speed <= 9);
    const Colour a = saver.Image1.PropertyLong(fx::kColourA), b = saver.Image1.PropertyLong(fx::kColourB);
    EXPECT_NE(a, b);
    EXPECT_TRUE(primaries.count(a) && primaries.count(b));
  }
  EXPECT_EQ(saver.Label1.Caption(), "00:00:00");
}

TEST_F(Rotation, EmptyListShowsEmptyPicturesAndNeverWrapsAgain) {
  frmSaver& saver = StartFullScreen();
  ToFirstChange();
  Ticks(2);
  EXPECT_TRUE(saver.Image1.PictureAssigned());
  EXPECT_FALSE(saver.Image1.Picture());
  EXPECT_TRUE(saver.Image1.Visible());
  EXPECT_EQ(saver.PicIndex, 3);
  EXPECT_EQ(saver.EffectNo, 4);
}

TEST_F(Rotation, EntriesThatCannotBeLoadedArePassedOver) {
  s.folder.Write("c.bmp", "not a picture");
  Settings("0", "Sec", {Picture("a.bmp", 4, 3), s.folder / "b.bmp", s.folder / "c.bmp", Picture("d.bmp", 5, 2)});
  frmSaver& saver = StartFullScreen();
  ToFirstChange();
  Ticks(1);
  EXPECT_EQ(saver.Image1.Picture()->width, 5);
  EXPECT_EQ(saver.PicIndex, 4);
  EXPECT_EQ(saver.EffectNo, 3);  // counted once per picture shown
  Ticks(1);
  EXPECT_EQ(saver.Image1.Picture()->width, 4);
  EXPECT_TRUE(s.sim.ErrorBoxes().empty());
}

TEST_F(Rotation, WhenNoEntryLoadsTheLastPictureStays) {
  Settings("0", "Sec", {s.folder / "gone1.bmp", s.folder / "gone2.bmp"});
  frmSaver& saver = StartFullScreen();
  ToFirstChange();
  EXPECT_EQ(saver.PicIndex, 0);
  Ticks(2);
  EXPECT_FALSE(saver.Image1.PictureAssigned());
  EXPECT_EQ(saver.PicIndex, 0);
  EXPECT_EQ(saver.EffectNo, 1);
  EXPECT_FALSE(saver.EffectParam.has_value());
  EXPECT_FALSE(s.program.Ended());
}

// The toolkit hears, at load and after every change, which file the next change tries first.
TEST_F(Rotation, TheToolkitIsToldWhichEntryComesNext) {
  const std::string a = Picture("a.bmp"), b = s.folder / "b.bmp", c = Picture("c.bmp", 6, 2);
  Settings("0", "Sec", {a, b, c});
  frmSaver& saver = StartFullScreen();
  EXPECT_EQ(s.sim.PictureHints(), std::vector<std::string>{a});
  ToFirstChange();  // a
  EXPECT_EQ(s.sim.PictureHints().back(), b);
  Ticks(1);  // b is missing: c is shown, and the next change wraps to the first entry
  EXPECT_EQ(saver.Image1.Picture()->width, 6);
  EXPECT_EQ(s.sim.PictureHints().back(), a);
  Ticks(1);  // a
  EXPECT_EQ(s.sim.PictureHints().back(), b);
  EXPECT_EQ(s.sim.PictureHints().size(), 4u);

  // An entry added before the next one shifts it: the change takes what the list holds then,
  // and names the right entry again afterwards.
  frmSetup& setup = s.program.Use<frmSetup>();
  const std::string a2 = Picture("a2.bmp", 7, 1);
  setup.List1.AddItem(a2);
  Ticks(1);
  EXPECT_EQ(saver.Image1.Picture()->width, 7);
  EXPECT_EQ(s.sim.PictureHints().back(), b);
  // The entry named is removed: the change shows the one that took its place.
  setup.List1.RemoveItem(2);
  Ticks(1);
  EXPECT_EQ(saver.Image1.Picture()->width, 6);
  EXPECT_EQ(s.sim.PictureHints().back(), a);
}

TEST_F(Rotation, NothingIsNamedWhenNoEntryComesNext) {
  frmSaver& saver = StartFullScreen();  // an empty list
  ToFirstChange();
  Ticks(1);
  EXPECT_EQ(s.sim.PictureHints(), std::vector<std::string>(3, ""));
  // An index past the list's 16-bit range: the change fails, and names nothing either.
  s.program.Use<frmSetup>().List1.AddItem(Picture("a.bmp"));
  saver.PicIndex = 40000;
  Ticks(1);
  EXPECT_EQ(saver.PicIndex, 40000);
  EXPECT_EQ(s.sim.PictureHints().back(), "");
  EXPECT_TRUE(s.sim.ErrorBoxes().empty());
}

// When no entry loads the same entry is tried, and named, again.
TEST_F(Rotation, AFailedChangeNamesTheSameEntryAgain) {
  Settings("0", "Sec", {s.folder / "gone1.bmp", s.folder / "gone2.bmp"});
  StartFullScreen();
  ToFirstChange();
  Ticks(1);
  EXPECT_EQ(s.sim.PictureHints(), std::vector<std::string>(3, s.folder / "gone1.bmp"));
}

TEST_F(Rotation, LongIntervalsAreCappedInsteadOfFailing) {
  Settings("100000", "Min", {Picture("a.bmp")});
  frmSaver& saver = StartFullScreen();
  ToFirstChange();
  EXPECT_EQ(saver.Mins, 32767);
  EXPECT_EQ(saver.TotalSecs, 32767 * 60);
  Ticks(1);
  EXPECT_EQ(saver.Label1.Caption(), Line("00:32766:59"));
  EXPECT_TRUE(s.sim.ErrorBoxes().empty());
}

TEST_F(Rotation, IntervalTextsThatGiveNoPositiveTotalChangeEveryTick) {
  for (const auto& [text, unit, shown] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"-5", "Min", "00:-05:00"}, {"abc", "Sec", "00:00:00"}, {"-100000", "Sec", "00:00:-32768"},
           {"7", "", "00:00:00"}}) {
    SimSession session;
    session.folder.Write("Velvora.ini", FormatSettingsFile({text, unit, true, false, {}}));
    session.program.Dispatch([&] { session.program.Use<frmSaver>().Show(); });
    session.sim.Advance(8000);
    frmSaver& saver = *session.program.IfLoaded<frmSaver>();
    EXPECT_EQ(saver.PicIndex, 3) << text;
    EXPECT_EQ(saver.Label1.Caption(), shown) << text;
  }
}

}  // namespace
}  // namespace velvora::test
