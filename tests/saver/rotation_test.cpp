// The countdown line, the order of pictures and effects, and what a change does with bad
// entries and long intervals.
#include <set>

#include "saver_fixture.h"

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
