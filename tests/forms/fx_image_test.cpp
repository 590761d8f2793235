// The picture control's content and transition on the simulated platform: what it shows at the
// pixel size the platform reports, and the frames of a change on the virtual frame clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "effects/compose.h"
#include "effects/transition.h"
#include "forms/fx_image.h"
#include "forms/program.h"
#include "support/pictures.h"
#include "support/sim_session.h"

namespace velvora {
namespace {

constexpr std::uint32_t kNavy = 0xFF000080u;

class frmPictures : public Form {
 public:
  static constexpr std::string_view kName = "frmPictures";
  explicit frmPictures(Program& p)
      : Form(p, {.name = kName, .caption = "Pictures", .clientWidth = 3000, .clientHeight = 2000,
                 .back = Rgb(0, 0, 128)}),
        Image1(Add<FXImage>({.name = "Image1", .width = 1500, .height = 1200})) {  // 100 x 80 pixels
    Image1.designAsset = "design";
  }
  FXImage& Image1;
};

// A window whose picture control shows what frmPictures' shows, at another size.
class frmFollower : public Form {
 public:
  static constexpr std::string_view kName = "frmFollower";
  explicit frmFollower(Program& p)
      : Form(p, {.name = kName, .caption = "Follower", .clientWidth = 3000, .clientHeight = 2000,
                 .back = Rgb(0, 0, 128)}),
        Image1(Add<FXImage>({.name = "Image1", .width = 900, .height = 600})) {}  // 60 x 40 pixels
  FXImage& Image1;
};

using test::SolidPicture;

std::uint32_t At(effects::ConstImage image, int x, int y) { return image.Row(y)[x]; }

// A frame kept as it was at one moment.
struct Snapshot {
  explicit Snapshot(effects::ConstImage image)
      : width(image.width), height(image.height), pixels(image.pixels, image.pixels + image.width * image.height) {}
  effects::ConstImage View() const { return {width, height, pixels.data(), width}; }
  int width, height;
  std::vector<std::uint32_t> pixels;
};

// Read from the pixels themselves, not from what the control claims.
bool EveryPixelOpaque(effects::ConstImage image) {
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (At(image, x, y) >> 24 != 0xFF) return false;
    }
  }
  return true;
}

bool SameFrame(effects::ConstImage a, effects::ConstImage b) {
  return a.width == b.width && a.height == b.height && effects::Checksum(a) == effects::Checksum(b) &&
         std::equal(a.pixels, a.pixels + a.width * a.height, b.pixels);
}

class PictureControl : public ::testing::Test {
 protected:
  PictureControl() : form(s.program.Use<frmPictures>()), image(form.Image1) {}
  // A change at the current virtual time, with a wipe from the left of known speed.
  void Change(PicturePtr picture, float speed = 9, int effect = 1) {
    image.SetPicture(std::move(picture));
    image.SetProperty(fx::kEffect, std::int32_t{effect});
    image.SetProperty(fx::kSpeed, speed);
    image.Refresh();
  }
  void WriteDesignPicture() {
    std::filesystem::create_directory(s.folder / "assets");
    s.folder.Write("assets/design.png", test::SolidBmp(6, 4, 0, 200, 0));
  }
  // Shows a picture with its transition played to the end.
  void Showing(PicturePtr picture) {
    image.SetVisible(true);
    Change(std::move(picture));
    s.sim.Advance(500);
    ASSERT_FALSE(image.TransitionPlaying());
  }

  test::SimSession s;
  frmPictures& form;
  FXImage& image;
};

TEST_F(PictureControl, TakesThePixelSizeThePlatformGaveIt) {
  EXPECT_EQ(image.PixelWidth(), 100);
  EXPECT_EQ(image.PixelHeight(), 80);
  image.SetWidth(3000);
  EXPECT_EQ(image.CurrentFrame().width, 200);
  EXPECT_EQ(image.CurrentFrame().height, 80);
}

TEST_F(PictureControl, OnceItHoldsAPictureItPaintsItsWholeRectangle) {
  auto picture = std::make_shared<Picture>(*SolidPicture(20, 10, 0xFFFFFFFFu));
  picture->pixels[5 * 20 + 10] = 0x80FF0000u;  // red, half transparent
  for (int y = 4; y <= 6; ++y) {
    for (int x = 14; x <= 16; ++x) picture->pixels[static_cast<std::size_t>(y * 20 + x)] = 0;  // a hole
  }
  image.SetProperty(fx::kStretch, fx::kFit);
  image.SetPicture(picture);
  effects::ConstImage frame = image.CurrentFrame();
  // Fitted to 100 x 50 in the middle: the window's colour above and below, not the design.
  EXPECT_EQ(At(frame, 50, 5), kNavy);
  EXPECT_EQ(At(frame, 50, 74), kNavy);
  EXPECT_EQ(At(frame, 2, 40), 0xFFFFFFFFu);
  EXPECT_EQ(At(frame, 52, 42), 0xFF800040u);  // half red over navy
  EXPECT_EQ(At(frame, 77, 42), kNavy);
  // Stretched: the picture's holes show the window's colour too.
  image.SetProperty(fx::kStretch, std::int32_t{0});
  frame = image.CurrentFrame();
  EXPECT_EQ(At(frame, 50, 5), 0xFFFFFFFFu);
  EXPECT_EQ(At(frame, 77, 43), kNavy);
  // The colour follows the window's, system colours as the platform shows them.
  form.SetBackColor(kButtonFace);
  EXPECT_EQ(At(image.CurrentFrame(), 77, 43), 0xFFC0C0C0u);
}

TEST_F(PictureControl, TheDesignPictureShowsUntilCodeAssignsOneAndTheEmptyPictureShowsNothing) {
  WriteDesignPicture();
  image.SetProperty(fx::kStretch, fx::kFit);
  effects::ConstImage frame = image.CurrentFrame();
  EXPECT_EQ(At(frame, 50, 40), 0xFF00C800u);
  EXPECT_EQ(At(frame, 50, 2), 0u) << "around the design picture the control is clear";
  image.SetPicture(nullptr);
  frame = image.CurrentFrame();
  EXPECT_EQ(At(frame, 50, 40), 0u);
  EXPECT_EQ(At(frame, 50, 2), 0u);
}

TEST_F(PictureControl, ARepaintAfterANewPictureStartsTheTransitionOnTheFrameClock) {
  Showing(SolidPicture(4, 4, 0xFF0000FFu));
  EXPECT_FALSE(s.sim.FramesRunning());
  const Snapshot before(image.CurrentFrame());
  const std::int64_t t = s.sim.Now();
  const PicturePtr next = SolidPicture(4, 4, 0xFFFF0000u);
  Change(next, 5, 36);  // 1500 ms
  ASSERT_TRUE(image.TransitionPlaying());
  EXPECT_TRUE(s.sim.FramesRunning());
  EXPECT_FLOAT_EQ(image.TransitionProgress(), 0);

  effects::Canvas to;
  to.Resize(100, 80);
  effects::ComposePicture({4, 4, next->pixels.data(), 4}, false, kNavy, to.View());
  const effects::TransitionParams params = image.TransitionSettings();
  for (std::int64_t at : {40, 750, 1490}) {
    s.sim.Advance(t + at - s.sim.Now());
    const float progress = static_cast<float>(at) / 1500.0f;
    EXPECT_FLOAT_EQ(image.TransitionProgress(), progress);
    effects::Canvas expected;
    expected.Resize(100, 80);
    effects::RenderTransition(before.View(), to.ConstView(), progress, params, expected.View());
    EXPECT_TRUE(SameFrame(image.CurrentFrame(), expected.ConstView())) << "at " << at << " ms";
  }
  s.sim.Advance(t + 1500 - s.sim.Now());
  EXPECT_FALSE(image.TransitionPlaying());
  EXPECT_FALSE(s.sim.FramesRunning());
  EXPECT_TRUE(SameFrame(image.CurrentFrame(), to.ConstView()));
}

TEST_F(PictureControl, WithoutARepaintTheNewPictureSimplyAppears) {
  Showing(SolidPicture(4, 4, 0xFF0000FFu));
  image.SetPicture(SolidPicture(4, 4, 0xFF00FF00u));
  EXPECT_FALSE(image.TransitionPlaying());
  EXPECT_EQ(At(image.CurrentFrame(), 10, 10), 0xFF00FF00u);
}

TEST_F(PictureControl, AHiddenControlStartsItsTransitionFromNothing) {
  WriteDesignPicture();
  image.SetVisible(false);
  Change(SolidPicture(4, 4, 0xFF00FF00u), 1, 84);  // a cross-fade: every pixel on its way
  s.sim.Advance(250);
  const std::uint32_t halfway = At(image.CurrentFrame(), 50, 40);
  EXPECT_GT(halfway >> 24, 0u);
  EXPECT_LT(halfway >> 24, 255u) << "faded in from a clear control, not from the design picture";
}

TEST_F(PictureControl, AFrameCountsAsOpaqueOnlyWhenItCoversTheWholeControl) {
  WriteDesignPicture();
  image.SetVisible(true);
  image.SetProperty(fx::kStretch, fx::kFit);
  EXPECT_FALSE(image.FrameOpaque()) << "the fitted design picture leaves its surroundings clear";
  EXPECT_FALSE(EveryPixelOpaque(image.CurrentFrame()));
  // A picture with a transparent hole: the window's colour fills around it and shows through.
  auto holed = std::make_shared<Picture>(*SolidPicture(4, 4, 0xFF00FF00u));
  holed->pixels[5] = 0;
  image.SetPicture(holed);
  EXPECT_TRUE(image.FrameOpaque());
  EXPECT_TRUE(EveryPixelOpaque(image.CurrentFrame()));
  image.SetPicture(nullptr);
  EXPECT_FALSE(image.FrameOpaque()) << "the empty picture shows nothing";
  EXPECT_FALSE(EveryPixelOpaque(image.CurrentFrame()));
}

TEST_F(PictureControl, ATransitionIsOpaqueWhenItStartsFromAnOpaqueFrame) {
  WriteDesignPicture();
  image.SetVisible(true);
  image.SetProperty(fx::kStretch, fx::kFit);
  Change(SolidPicture(4, 4, 0xFF0000FFu), 1, 84);  // from the design picture, clear around it
  s.sim.Advance(1000);
  EXPECT_FALSE(image.FrameOpaque());
  EXPECT_FALSE(EveryPixelOpaque(image.CurrentFrame()));
  s.sim.Advance(2000);
  ASSERT_FALSE(image.TransitionPlaying());
  EXPECT_TRUE(image.FrameOpaque());
  // From one picture to the next, for effects that blend, move, scale and band; the frame stays
  // opaque when the control changes size on the way.
  for (const int effect : {84, 85, 21, 77, 83, 98, 106}) {
    SCOPED_TRACE(testing::Message() << "effect " << effect);
    Change(SolidPicture(3, 5, effect % 2 ? 0xFFFF0000u : 0xFF00FF00u), 1, effect);
    s.sim.Advance(700);
    EXPECT_TRUE(image.FrameOpaque());
    EXPECT_TRUE(EveryPixelOpaque(image.CurrentFrame()));
    image.SetWidth(image.Width() == 1500 ? 2250 : 1500);
    s.sim.Advance(700);
    EXPECT_TRUE(image.FrameOpaque());
    EXPECT_TRUE(EveryPixelOpaque(image.CurrentFrame()));
    s.sim.Advance(1200);
    ASSERT_FALSE(image.TransitionPlaying());
  }
}

TEST_F(PictureControl, AHiddenControlsTransitionIsNotOpaque) {
  Showing(SolidPicture(4, 4, 0xFF0000FFu));
  image.SetVisible(false);
  Change(SolidPicture(4, 4, 0xFF00FF00u), 1, 84);
  image.SetVisible(true);
  s.sim.Advance(1000);
  EXPECT_FALSE(image.FrameOpaque()) << "it fades in from nothing";
  EXPECT_FALSE(EveryPixelOpaque(image.CurrentFrame()));
}

TEST_F(PictureControl, ATransitionGoesOnAtANewSize) {
  Showing(SolidPicture(4, 4, 0xFF0000FFu));
  Change(SolidPicture(4, 4, 0xFFFF0000u), 1);  // 2500 ms, the wipe from the left
  s.sim.Advance(500);
  image.SetWidth(3000);
  ASSERT_TRUE(image.TransitionPlaying());
  s.sim.Advance(500);
  effects::ConstImage frame = image.CurrentFrame();
  ASSERT_EQ(frame.width, 200);
  EXPECT_EQ(At(frame, 0, 40), 0xFFFF0000u);
  EXPECT_EQ(At(frame, 199, 40), 0xFF0000FFu);
  EXPECT_EQ(At(frame, 79, 40), 0xFFFF0000u);  // 0.4 of 200 pixels
  EXPECT_EQ(At(frame, 80, 40), 0xFF0000FFu);
  s.sim.Advance(1500);
  EXPECT_FALSE(image.TransitionPlaying());
  EXPECT_EQ(At(image.CurrentFrame(), 199, 79), 0xFFFF0000u);
}

TEST_F(PictureControl, ANewerPictureComesInFromTheFrameShownWhenItCame) {
  Showing(SolidPicture(4, 4, 0xFF0000FFu));
  Change(SolidPicture(4, 4, 0xFFFF0000u), 1);
  s.sim.Advance(1000);
  const Snapshot middle(image.CurrentFrame());
  Change(SolidPicture(4, 4, 0xFF00FF00u), 1);
  EXPECT_FLOAT_EQ(image.TransitionProgress(), 0);
  EXPECT_TRUE(SameFrame(image.CurrentFrame(), middle.View()));
  s.sim.Advance(2500);
  EXPECT_EQ(At(image.CurrentFrame(), 99, 79), 0xFF00FF00u);
  EXPECT_FALSE(s.sim.FramesRunning());
}

// What a 60 x 40 follower shows of a picture of one colour, stretched over the window's colour.
effects::Canvas Stretched60x40(const PicturePtr& picture) {
  effects::Canvas canvas;
  canvas.Resize(60, 40);
  effects::ComposePicture({picture->width, picture->height, picture->pixels.data(), picture->width}, false, kNavy,
                          canvas.View());
  return canvas;
}

TEST_F(PictureControl, AFollowerPlaysTheSameTransitionAtItsOwnSize) {
  WriteDesignPicture();
  FXImage& follower = s.program.Use<frmFollower>().Image1;
  follower.Follow(image);
  EXPECT_EQ(At(follower.CurrentFrame(), 30, 20), 0xFF00C800u) << "the leader's design picture";
  const PicturePtr blue = SolidPicture(4, 4, 0xFF0000FFu);
  Showing(blue);
  EXPECT_TRUE(follower.Visible());
  EXPECT_TRUE(SameFrame(follower.CurrentFrame(), Stretched60x40(blue).ConstView()));

  const PicturePtr red = SolidPicture(4, 4, 0xFFFF0000u);
  const std::int64_t t = s.sim.Now();
  Change(red, 5, 36);  // 1500 ms
  EXPECT_EQ(follower.Picture(), red) << "the same decoded picture";
  ASSERT_TRUE(follower.TransitionPlaying());
  EXPECT_EQ(follower.TransitionSettings().effect, 36);
  EXPECT_EQ(follower.TransitionSettings().speed, 5);
  for (std::int64_t at : {40, 750}) {
    s.sim.Advance(t + at - s.sim.Now());
    EXPECT_FLOAT_EQ(follower.TransitionProgress(), image.TransitionProgress());
    effects::Canvas expected;
    expected.Resize(60, 40);
    effects::RenderTransition(Stretched60x40(blue).ConstView(), Stretched60x40(red).ConstView(),
                              follower.TransitionProgress(), follower.TransitionSettings(), expected.View());
    EXPECT_TRUE(SameFrame(follower.CurrentFrame(), expected.ConstView())) << "at " << at << " ms";
  }
  EXPECT_EQ(image.CurrentFrame().width, 100);
  s.sim.Advance(t + 1500 - s.sim.Now());
  EXPECT_FALSE(follower.TransitionPlaying());
  EXPECT_FALSE(s.sim.FramesRunning());
}

TEST_F(PictureControl, AFollowerStartsTransitionsOnlyWithItsLeader) {
  FXImage& follower = s.program.Use<frmFollower>().Image1;
  follower.Follow(image);
  Showing(SolidPicture(4, 4, 0xFF0000FFu));
  s.sim.Advance(5);  // between two frames
  image.SetPicture(SolidPicture(4, 4, 0xFFFF0000u));
  follower.Refresh();  // its own window repaints
  EXPECT_FALSE(follower.TransitionPlaying());
  image.Refresh();
  ASSERT_TRUE(follower.TransitionPlaying());
  s.sim.Advance(5);
  EXPECT_GT(follower.TransitionProgress(), 0);
  EXPECT_EQ(follower.TransitionProgress(), image.TransitionProgress()) << "from the same start";
}

TEST_F(PictureControl, AFollowerJoinsATransitionUnderWay) {
  Showing(SolidPicture(4, 4, 0xFF0000FFu));
  Change(SolidPicture(4, 4, 0xFFFF0000u), 1);  // 2500 ms, the wipe from the left
  s.sim.Advance(1000);
  FXImage& follower = s.program.Use<frmFollower>().Image1;
  follower.Follow(image);
  ASSERT_TRUE(follower.TransitionPlaying());
  EXPECT_FLOAT_EQ(follower.TransitionProgress(), 0.4f);
  effects::ConstImage frame = follower.CurrentFrame();
  ASSERT_EQ(frame.width, 60);
  EXPECT_EQ(At(frame, 23, 20), 0xFFFF0000u);  // 0.4 of 60 pixels came in
  EXPECT_EQ(At(frame, 24, 20), 0xFF0000FFu);
  s.sim.Advance(1500);
  EXPECT_FALSE(follower.TransitionPlaying());
  EXPECT_EQ(At(follower.CurrentFrame(), 59, 39), 0xFFFF0000u);
}

TEST_F(PictureControl, AWindowThatGoesAwayTakesItsTransitionWithIt) {
  Showing(SolidPicture(4, 4, 0xFF0000FFu));
  Change(SolidPicture(4, 4, 0xFFFF0000u), 1);
  s.program.Dispatch([&] { s.program.Unload(form); });
  EXPECT_FALSE(s.sim.FramesRunning());
  s.sim.Advance(3000);  // no frame reaches the freed control
}

TEST_F(PictureControl, FramesStopWhenTheProgramEnds) {
  Showing(SolidPicture(4, 4, 0xFF0000FFu));
  Change(SolidPicture(4, 4, 0xFFFF0000u), 1);
  s.program.Dispatch([&] { s.program.End(); });
  s.sim.Advance(20);
  EXPECT_FALSE(s.sim.FramesRunning());
}

}  // namespace
}  // namespace velvora
