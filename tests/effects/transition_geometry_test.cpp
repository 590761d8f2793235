// What the effects look like on the way: where each picture shows, where it comes from.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "effects/effect_table.h"
#include "test_pictures.h"

namespace velvora::effects::test {
namespace {

class Geometry : public testing::Test {
 protected:
  Picture Frame(int effect, float progress, int param = 0) {
    return Render(from, to, progress, ParamsFor(effect, param));
  }
  Picture from = Picture::Old(20, 10);
  Picture to = Picture::New(20, 10);
};

// Families whose new picture appears through a region: once a pixel shows the new picture it
// keeps showing it, and every pixel is one of the two pictures or one of the two colours.
// Returns how many effects were checked.
int CheckRegionsGrow(int w, int h) {
  const std::set<std::string> regions = {"wipe",   "blinds",       "split",    "iris",
                                         "circle", "diamond",      "clock",    "checkerboard",
                                         "dissolve", "random bars", "spiral",  "snake"};
  const Picture from = Picture::Old(w, h);
  const Picture to = Picture::New(w, h);
  int checked = 0;
  for (int effect = kFirstEffect; effect <= kLastEffect; ++effect) {
    if (!regions.contains(EffectFamilyName(effect))) continue;
    ++checked;
    SCOPED_TRACE(testing::Message() << "effect " << effect << " size " << w << "x" << h);
    std::vector<bool> shown(static_cast<std::size_t>(w * h), false);
    for (int step = 0; step <= 40; ++step) {
      const Picture frame = Render(from, to, static_cast<float>(step) / 40.0f, ParamsFor(effect));
      int strays = 0;
      int takenBack = 0;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const std::uint32_t v = frame.At(x, y);
          const bool isNew = v == to.At(x, y);
          if (!isNew && v != from.At(x, y) && v != kColourA && v != kColourB) ++strays;
          const auto i = static_cast<std::size_t>(y * w + x);
          if (shown[i] && !isNew) ++takenBack;
          if (isNew) shown[i] = true;
        }
      }
      EXPECT_EQ(strays, 0) << "step " << step;
      EXPECT_EQ(takenBack, 0) << "step " << step;
    }
  }
  return checked;
}

TEST(RegionEffects, UncoverWithoutTakingBackAndShowOnlyPicturesAndColours) {
  EXPECT_GE(CheckRegionsGrow(41, 29), 50);
  CheckRegionsGrow(40, 30);
}

TEST_F(Geometry, WipesMoveAStraightEdge) {
  const Picture right = Frame(1, 0.5f);
  const Picture up = Frame(4, 0.3f);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 20; ++x) {
      EXPECT_EQ(right.At(x, y), x < 10 ? to.At(x, y) : from.At(x, y)) << x << "," << y;
      EXPECT_EQ(up.At(x, y), y >= 7 ? to.At(x, y) : from.At(x, y)) << x << "," << y;
    }
  }
}

TEST_F(Geometry, SlidesAndPushesShiftWholePictures) {
  const Picture slideIn = Frame(9, 0.25f);    // enters from the left, moving right
  const Picture push = Frame(18, 0.25f);      // moving left
  const Picture slideOut = Frame(27, 0.5f);   // the old picture leaves downwards
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 20; ++x) {
      EXPECT_EQ(slideIn.At(x, y), x < 5 ? to.At(x + 15, y) : from.At(x, y));
      EXPECT_EQ(push.At(x, y), x < 15 ? from.At(x + 5, y) : to.At(x - 15, y));
      EXPECT_EQ(slideOut.At(x, y), y >= 5 ? from.At(x, y - 5) : to.At(x, y));
    }
  }
  // A diagonal push leaves the two corners it uncovers to colour A.
  const Picture diagonal = Frame(21, 0.5f);
  EXPECT_EQ(diagonal.At(19, 0), kColourA);
  EXPECT_EQ(diagonal.At(0, 9), kColourA);
  EXPECT_EQ(diagonal.At(12, 7), from.At(2, 2));
  EXPECT_EQ(diagonal.At(3, 1), to.At(13, 6));
}

TEST_F(Geometry, SqueezeAndZoomScaleThePictures) {
  const Picture squeeze = Frame(79, 0.5f);  // the new picture grows from the left
  for (int x = 0; x < 20; ++x) {
    EXPECT_EQ(squeeze.At(x, 4), x < 10 ? to.At(2 * x + 1, 4) : from.At(2 * (x - 10) + 1, 4));
  }
  const Picture zoom = Frame(77, 0.5f);  // half-size new picture in the middle
  EXPECT_EQ(zoom.At(5, 2), to.At(1, 1));
  EXPECT_EQ(zoom.At(14, 6), to.At(19, 9));
  EXPECT_EQ(zoom.At(4, 2), from.At(4, 2));
  EXPECT_EQ(zoom.At(15, 7), from.At(15, 7));
}

TEST_F(Geometry, BlindsAndStripesUseTheSecondValueAsTheirCount) {
  const Picture blinds = Frame(39, 0.4f, 2);  // two slats of five rows, two rows closed
  for (int y = 0; y < 10; ++y) {
    const bool closed = y % 5 < 2;
    EXPECT_EQ(blinds.At(7, y), closed ? to.At(7, y) : from.At(7, y)) << y;
  }
  const Picture stripes = Frame(71, 0.5f, 1);  // two bands from opposite sides
  EXPECT_EQ(stripes.At(3, 2), to.At(13, 2));
  EXPECT_EQ(stripes.At(13, 2), from.At(13, 2));
  EXPECT_EQ(stripes.At(13, 7), to.At(3, 7));
  EXPECT_EQ(stripes.At(3, 7), from.At(3, 7));
}

TEST(ShapeEffects, CirclesAndClockHandsCoverTheRightParts) {
  const Picture from = Picture::Old(40, 40);
  const Picture to = Picture::New(40, 40);
  const auto frame = [&](int effect, float progress) {
    return Render(from, to, progress, ParamsFor(effect));
  };
  const auto isNew = [&](const Picture& p, int x, int y) { return p.At(x, y) == to.At(x, y); };
  const Picture out = frame(51, 0.3f);
  const Picture in = frame(52, 0.3f);
  EXPECT_TRUE(isNew(out, 20, 20) && !isNew(out, 0, 0) && !isNew(out, 39, 39));
  EXPECT_TRUE(!isNew(in, 20, 20) && isNew(in, 0, 0) && isNew(in, 39, 39));

  const Picture quarter = frame(55, 0.25f);  // clockwise from twelve to three o'clock
  EXPECT_TRUE(isNew(quarter, 30, 10));
  EXPECT_FALSE(isNew(quarter, 10, 10) || isNew(quarter, 30, 30) || isNew(quarter, 10, 30));
  const Picture threeQuarters = frame(55, 0.75f);
  EXPECT_TRUE(isNew(threeQuarters, 30, 10) && isNew(threeQuarters, 30, 30) &&
              isNew(threeQuarters, 10, 30));
  EXPECT_FALSE(isNew(threeQuarters, 10, 10));
  const Picture anticlockwise = frame(56, 0.25f);
  EXPECT_TRUE(isNew(anticlockwise, 10, 10));
  EXPECT_FALSE(isNew(anticlockwise, 30, 10));
}

// Centred shapes must not lean: a pixel whose centre lies exactly on the edge is treated
// alike on both sides (a 40 x 40 diamond puts its edge on pixel centres in many rows).
TEST(ShapeEffects, CirclesAndDiamondsAreMirrorImagesAcrossBothAxes) {
  for (const auto& [w, h] : {std::pair{40, 40}, std::pair{41, 30}, std::pair{20, 21}, std::pair{64, 2}}) {
    const Picture from = Picture::Plain(w, h, 0xFF000000u);
    const Picture to = Picture::Plain(w, h, 0xFFFFFFFFu);
    for (const int effect : {51, 52, 53, 54, 98, 101}) {
      for (int step = 1; step < 64; ++step) {
        const Picture frame = Render(from, to, static_cast<float>(step) / 64.0f, ParamsFor(effect));
        int leaning = 0;
        for (int y = 0; y < h; ++y) {
          for (int x = 0; x < w; ++x) {
            leaning += frame.At(x, y) != frame.At(w - 1 - x, y) || frame.At(x, y) != frame.At(x, h - 1 - y);
          }
        }
        EXPECT_EQ(leaning, 0) << "effect " << effect << " step " << step << " size " << w << "x" << h;
      }
    }
  }
}

// A banded effect is its plain variant drawn at two levels: the new picture where the plain
// effect shows it at the trailing level, the old one where it still shows the old picture at
// the leading level, the band's colour in between.
TEST(BandEffects, ShowThePlainRegionsAtTheTwoLevels) {
  int pairs = 0;
  for (const auto& [w, h] : {std::pair{37, 23}, std::pair{41, 29}}) {
    const Picture from = Picture::Old(w, h);
    const Picture to = Picture::New(w, h);
    for (int banded = kFirstEffect; banded <= kLastEffect; ++banded) {
      const EffectEntry& entry = LookupEffect(banded);
      if (entry.band == Band::None) continue;
      int plain = kFirstEffect;
      while (LookupEffect(plain).family != entry.family || LookupEffect(plain).variant != entry.variant ||
             LookupEffect(plain).band != Band::None) {
        ++plain;
      }
      ++pairs;
      const std::uint32_t colour = entry.band == Band::ColourA ? kColourA : kColourB;
      for (const float progress : {0.1f, 0.3f, 0.5f, 0.7f, 0.93f}) {
        const float lead = progress * 1.25f;
        const float trail = std::max(0.0f, lead - 0.25f);
        const Picture frame = Render(from, to, progress, ParamsFor(banded));
        const Picture inner = Render(from, to, trail, ParamsFor(plain));
        const Picture outer = Render(from, to, std::min(1.0f, lead), ParamsFor(plain));
        int wrong = 0;
        for (int y = 0; y < h; ++y) {
          for (int x = 0; x < w; ++x) {
            const std::uint32_t expected = inner.At(x, y) == to.At(x, y)     ? to.At(x, y)
                                           : outer.At(x, y) == from.At(x, y) ? from.At(x, y)
                                                                             : colour;
            wrong += frame.At(x, y) != expected;
          }
        }
        EXPECT_EQ(wrong, 0) << "effect " << banded << " (plain " << plain << ") at " << progress
                            << " size " << w << "x" << h;
      }
    }
  }
  EXPECT_EQ(pairs, 2 * 31);
}

TEST(BlendEffects, FadesMixChannelsAndPassThroughTheColours) {
  const Picture black = Picture::Plain(4, 3, 0xFF000000u);
  const Picture white = Picture::Plain(4, 3, 0xFFFFFFFFu);
  EXPECT_EQ(Render(black, white, 0.5f, ParamsFor(84)).At(2, 1), 0xFF7F7F7Fu);
  EXPECT_EQ(Render(black, white, 0.5f, ParamsFor(85)).At(2, 1), kColourA);
  EXPECT_EQ(Render(black, white, 0.5f, ParamsFor(86)).At(2, 1), kColourB);
  EXPECT_EQ(Render(black, white, 0.25f, ParamsFor(85)).At(0, 0), 0xFF081018u);  // half to A
  // Through A and then B: a third of the way it is A, two thirds B.
  EXPECT_EQ(Render(black, white, 1.0f / 3.0f, ParamsFor(87)).At(3, 2), kColourA);
  EXPECT_EQ(Render(black, white, 2.0f / 3.0f + 1e-4f, ParamsFor(87)).At(3, 2), kColourB);
}

TEST(BlendEffects, ASoftWipeRampsAcrossItsEdge) {
  const Picture black = Picture::Plain(200, 2, 0xFF000000u);
  const Picture white = Picture::Plain(200, 2, 0xFFFFFFFFu);
  for (const int effect : {33, 34}) {  // from the left, from the right
    const Picture frame = Render(black, white, 0.5f, ParamsFor(effect));
    int blended = 0;
    int previous = effect == 33 ? 256 : -1;
    for (int i = 0; i < 200; ++i) {
      const int level = static_cast<int>(frame.At(i, 1) & 0xFFu);
      EXPECT_TRUE(effect == 33 ? level <= previous : level >= previous) << effect << " at " << i;
      previous = level;
      blended += level > 0 && level < 255 ? 1 : 0;
    }
    EXPECT_GT(blended, 20) << effect;
    EXPECT_EQ(frame.At(effect == 33 ? 0 : 199, 0), 0xFFFFFFFFu);
    EXPECT_EQ(frame.At(effect == 33 ? 199 : 0, 0), 0xFF000000u);
  }
}

TEST(ScatteredEffects, DissolveAndRandomBarsTurnOverAboutTheRightShare) {
  const Picture from = Picture::Old(128, 96);
  const Picture to = Picture::New(128, 96);
  const auto shareOfNew = [&](const Picture& p) {
    return 1.0 - static_cast<double>(Differences(p, to)) / (128.0 * 96.0);
  };
  EXPECT_NEAR(shareOfNew(Render(from, to, 0.3f, ParamsFor(67))), 0.3, 0.03);
  const Picture bars = Render(from, to, 0.5f, ParamsFor(69));
  EXPECT_NEAR(shareOfNew(bars), 0.5, 0.15);
  for (int y = 0; y < 96; ++y) {  // horizontal bars: each row wholly one picture
    const bool rowNew = bars.At(0, y) == to.At(0, y);
    for (int x = 1; x < 128; ++x) ASSERT_EQ(bars.At(x, y) == to.At(x, y), rowNew) << y;
  }
}

TEST(ScatteredEffects, MosaicShowsBlocksOfOnePixel) {
  const Picture from = Picture::Old(64, 64);
  const Picture to = Picture::New(64, 64);
  const Picture coarse = Render(from, to, 0.4f, ParamsFor(83));
  EXPECT_EQ(coarse.At(0, 0), coarse.At(1, 1));
  EXPECT_EQ(coarse.At(0, 0) & 1u, 0u);  // still the old picture
  const Picture later = Render(from, to, 0.6f, ParamsFor(83));
  EXPECT_EQ(later.At(0, 0), later.At(1, 1));
  EXPECT_EQ(later.At(0, 0) & 1u, 1u);  // already the new one
}

}  // namespace
}  // namespace velvora::effects::test
