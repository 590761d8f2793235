// The picture control's transition on every backend: the core plays it on the backend's frame
// clock, each frame is the effect function's output for its progress, and what the backend
// paints is that frame.
#include <algorithm>

#include "backend_harness.h"
#include "contract_forms.h"
#include "effects/transition.h"
#include "support/pictures.h"

namespace velvora::conformance {
namespace {

// A frame kept as it was at one moment.
struct Frame {
  explicit Frame(effects::ConstImage image) : width(image.width), height(image.height) {
    for (int y = 0; y < height; ++y) pixels.insert(pixels.end(), image.Row(y), image.Row(y) + width);
  }
  effects::ConstImage View() const { return {width, height, pixels.data(), width}; }
  bool operator==(const Frame&) const = default;
  int width, height;
  std::vector<std::uint32_t> pixels;
};

// Four quadrants of four colours, so a frame that is scaled, turned or shifted shows.
PicturePtr Quadrants(int width, int height) {
  auto picture = std::make_shared<Picture>(*test::SolidPicture(width, height, 0xFFFF0000u));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2, bottom = y >= height / 2;
      picture->pixels[static_cast<std::size_t>(y * width + x)] =
          right ? (bottom ? 0xFF0000FFu : 0xFF00FF00u) : (bottom ? 0xFFFFFF00u : 0xFFFF0000u);
    }
  }
  return picture;
}

struct Staged {
  Staged(Program& p, BackendHarness& h) : program(p), harness(h), form(p.Use<frmTransition>()), image(form.imgShow) {
    program.Dispatch([&] { form.Show(); });
    EXPECT_TRUE(harness.Until([&] {
      auto window = harness.Realised(form.hWnd());
      return window && window->shown && image.PixelWidth() == 160;
    }));
  }
  // A new picture brought in by the given effect at the given speed.
  void Change(PicturePtr picture, float speed) {
    program.Dispatch([&] {
      image.SetPicture(std::move(picture));
      image.SetProperty(fx::kEffect, std::int32_t{30});
      image.SetProperty(fx::kEffectParam, std::int32_t{4});
      image.SetProperty(fx::kColourA, Rgb(255, 255, 0));
      image.SetProperty(fx::kColourB, kButtonFace);
      image.SetProperty(fx::kSpeed, speed);
      image.Refresh();
    });
  }
  bool Ends(int boundMs = 3000) { return harness.Until([&] { return !image.TransitionPlaying(); }, boundMs); }

  Program& program;
  BackendHarness& harness;
  frmTransition& form;
  FXImage& image;
};

TEST_P(BackendContract, TheFramesOfATransitionAreTheEffectFunctionsOutputForTheirProgress) {
  Staged s(program(), harness());
  s.Change(test::SolidPicture(8, 6, 0xFF808080u), 9);
  ASSERT_TRUE(s.Ends());
  const Frame from(s.image.CurrentFrame());

  const std::int64_t start = program().toolkit().ClockMs();
  s.Change(Quadrants(16, 12), 9);  // 500 ms
  ASSERT_TRUE(s.image.TransitionPlaying());
  const effects::TransitionParams params = s.image.TransitionSettings();
  const int durationMs = effects::TransitionDurationMs(params.speed);
  // Every frame the loop lets us see on the way, with its progress.
  std::vector<std::pair<float, Frame>> seen;
  float last = 0;
  ASSERT_TRUE(harness().Until([&] {
    const float progress = s.image.TransitionProgress();
    if (!s.image.TransitionPlaying()) return true;
    EXPECT_GE(progress, last);
    // No frame from the future: the progress never runs ahead of the toolkit's clock.
    EXPECT_LE(progress * static_cast<float>(durationMs),
              static_cast<float>(program().toolkit().ClockMs() - start) + 0.5f);
    if (progress > last) seen.emplace_back(progress, Frame(s.image.CurrentFrame()));
    last = progress;
    return false;
  }));
  const Frame to(s.image.CurrentFrame());
  EXPECT_GE(seen.size(), 3u) << "the frame clock gave too few frames in " << durationMs << " ms";
  bool between = false;
  for (const auto& [progress, frame] : seen) {
    Frame expected = frame;
    effects::RenderTransition(from.View(), to.View(), progress, params,
                              {expected.width, expected.height, expected.pixels.data(), expected.width});
    EXPECT_TRUE(frame == expected) << "the frame at progress " << progress;
    between = between || (frame != from && frame != to);
  }
  EXPECT_TRUE(between) << "no frame lay between the two pictures";
}

TEST_P(BackendContract, WhatThePictureControlPaintsIsItsFrame) {
  Staged s(program(), harness());
  SKIP_UNLESS(harness().Paint(s.form, s.image));
  s.Change(test::SolidPicture(8, 6, 0xFF808080u), 9);
  ASSERT_TRUE(s.Ends());
  s.Change(Quadrants(16, 12), 1);  // 2500 ms
  ASSERT_TRUE(harness().Until([&] { return s.image.TransitionProgress() > 0.2f; }));
  for (const char* when : {"during the transition", "after it"}) {
    const Frame frame(s.image.CurrentFrame());
    const auto painted = harness().Paint(s.form, s.image);
    ASSERT_TRUE(painted);
    EXPECT_EQ(painted->width, frame.width) << when;
    EXPECT_EQ(painted->height, frame.height) << when;
    EXPECT_TRUE(painted->pixels == frame.pixels) << when;
    ASSERT_TRUE(s.Ends(5000));
  }
}

}  // namespace
}  // namespace velvora::conformance
