// The slideshow's picture changes as the screen shows them: the frames of the transition on the
// simulated platform's frame clock, from the picture before to the new one fitted on the
// window's colour.
#include <gtest/gtest.h>

#include "effects/compose.h"
#include "saver_fixture.h"

namespace velvora::test {
namespace {

class SlideshowTransition : public SaverTest {
 protected:
  // Two pictures twice as wide as high, so the fitted picture leaves bands of the window's colour
  // above and below it on the 1024 x 768 screen.
  void TwoPictures() {
    s.folder.Write("red.bmp", SolidBmp(2, 1, 255, 0, 0));
    s.folder.Write("blue.bmp", SolidBmp(2, 1, 0, 0, 255));
    Settings("5", "Sec", {s.folder / "blue.bmp", s.folder / "red.bmp"});
  }
  // What the screen shows after a change to a picture of one colour: 1024 x 512 in the middle.
  effects::Canvas Fitted(std::uint32_t colour, std::uint32_t back) const {
    effects::Canvas frame;
    frame.Resize(1024, 768);
    for (int y = 0; y < 768; ++y) {
      for (int x = 0; x < 1024; ++x) frame.pixels[static_cast<std::size_t>(y * 1024 + x)] = y >= 128 && y < 640 ? colour : back;
    }
    return frame;
  }
  static bool Same(effects::ConstImage a, effects::ConstImage b) {
    return a.width == b.width && a.height == b.height && effects::Checksum(a) == effects::Checksum(b) &&
           std::equal(a.pixels, a.pixels + a.width * a.height, b.pixels);
  }
};

TEST_F(SlideshowTransition, AChangeShowsTheEffectsFrameForTheTimeSinceIt) {
  TwoPictures();
  frmSaver& saver = StartFullScreen();
  const std::uint32_t back = effects::ArgbFromColourWord(saver.BackColor());
  ToFirstChange();
  // The first picture came in from nothing: the control was hidden until then.
  s.sim.Advance(2500);
  ASSERT_FALSE(saver.Image1.TransitionPlaying());
  const effects::Canvas blue = Fitted(0xFF0000FFu, back);
  ASSERT_TRUE(Same(saver.Image1.CurrentFrame(), blue.ConstView()));

  // Five countdown ticks, then the change at t.
  s.sim.Advance(12000 - 1 - s.sim.Now());
  ASSERT_FALSE(saver.Image1.TransitionPlaying());
  s.sim.Advance(1);
  const std::int64_t t = s.sim.Now();
  ASSERT_EQ(saver.PicIndex, 2);
  ASSERT_TRUE(saver.Image1.TransitionPlaying());
  const effects::TransitionParams params = saver.Image1.TransitionSettings();
  const int duration = effects::TransitionDurationMs(std::get<float>(saver.Image1.Property(fx::kSpeed)));
  EXPECT_EQ(params.effect, 2);

  s.sim.Advance(40);
  const effects::Canvas red = Fitted(0xFFFF0000u, back);
  effects::Canvas expected;
  expected.Resize(1024, 768);
  const float progress = 40.0f / static_cast<float>(duration);
  effects::RenderTransition(blue.ConstView(), red.ConstView(), progress, params, expected.View());
  EXPECT_FLOAT_EQ(saver.Image1.TransitionProgress(), progress);
  EXPECT_TRUE(Same(saver.Image1.CurrentFrame(), expected.ConstView()));
  EXPECT_FALSE(Same(expected.ConstView(), blue.ConstView()));

  // The frame clock ticks every 10 ms: the first frame at or after t + duration ends it.
  const std::int64_t end = t + (duration + 9) / 10 * 10;
  s.sim.Advance(end - 10 - s.sim.Now());
  EXPECT_TRUE(saver.Image1.TransitionPlaying());
  s.sim.Advance(10);
  EXPECT_FALSE(saver.Image1.TransitionPlaying());
  EXPECT_FALSE(s.sim.FramesRunning());
  EXPECT_TRUE(Same(saver.Image1.CurrentFrame(), red.ConstView()));
}

}  // namespace
}  // namespace velvora::test
