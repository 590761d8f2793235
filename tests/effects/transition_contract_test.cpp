// What every effect number must honour: exact ends, a real change in between, no access
// outside the views, independence from the working memory, and distinct looks.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "test_pictures.h"

namespace velvora::effects::test {
namespace {

struct Size {
  int width, height;
};

TEST(TransitionContract, EveryEffectStartsWithTheOldAndEndsWithTheNewPicture) {
  for (const Size size : {Size{37, 23}, Size{1, 1}, Size{2, 5}, Size{64, 1}, Size{1, 40}}) {
    const int margin = size.width * size.height % 2;  // some pictures without any margin
    const Picture from = Picture::Old(size.width, size.height, margin);
    const Picture to = Picture::New(size.width, size.height, margin);
    for (int effect = kFirstEffect; effect <= kLastEffect; ++effect) {
      for (const int param : {0, 1, 15}) {
        SCOPED_TRACE(testing::Message() << "effect " << effect << " param " << param << " size "
                                        << size.width << "x" << size.height);
        const Picture start = Render(from, to, 0.0f, ParamsFor(effect, param));
        const Picture end = Render(from, to, 1.0f, ParamsFor(effect, param));
        EXPECT_EQ(Differences(start, from), 0);
        EXPECT_EQ(Differences(end, to), 0);
        EXPECT_TRUE(start.GuardsIntact() && end.GuardsIntact());
      }
    }
  }
}

TEST(TransitionContract, EveryEffectShowsSomethingElseOnTheWayAndStaysInsideItsView) {
  // Near the ends a small picture may not have a whole pixel, slat or block to change yet.
  struct Case {
    Size size;
    float progress;
  };
  for (const Case c : {Case{{37, 23}, 0.5f}, Case{{160, 120}, 0.1f}, Case{{160, 120}, 0.9f}}) {
    const Picture from = Picture::Old(c.size.width, c.size.height, 0);
    const Picture to = Picture::New(c.size.width, c.size.height, 0);
    for (int effect = kFirstEffect; effect <= kLastEffect; ++effect) {
      SCOPED_TRACE(testing::Message() << "effect " << effect << " progress " << c.progress);
      const Picture mid = Render(from, to, c.progress, ParamsFor(effect));
      EXPECT_GT(Differences(mid, from), 0);
      EXPECT_GT(Differences(mid, to), 0);
      EXPECT_TRUE(mid.GuardsIntact());
    }
  }
}

TEST(TransitionContract, ProgressOutsideTheRangeCountsAsTheNearestEnd) {
  const Picture from = Picture::Old(9, 7);
  const Picture to = Picture::New(9, 7);
  for (const int effect : {1, 51, 84, 83}) {
    EXPECT_EQ(Render(from, to, -3.0f, ParamsFor(effect)).Visible(), from.Visible());
    EXPECT_EQ(Render(from, to, 7.5f, ParamsFor(effect)).Visible(), to.Visible());
    EXPECT_EQ(Render(from, to, std::nanf(""), ParamsFor(effect)).Visible(), from.Visible());
  }
  // Unknown effect numbers draw effect 1.
  EXPECT_EQ(Render(from, to, 0.5f, ParamsFor(0)).Visible(), Render(from, to, 0.5f, ParamsFor(1)).Visible());
  EXPECT_EQ(Render(from, to, 0.5f, ParamsFor(113)).Visible(), Render(from, to, 0.5f, ParamsFor(1)).Visible());
}

TEST(TransitionContract, MismatchedOrEmptyImagesAreLeftAlone) {
  const Picture from = Picture::Old(8, 6);
  const Picture smaller = Picture::New(8, 5);
  Picture out(8, 6);
  const auto before = out.Visible();
  RenderTransition(from.View(), smaller.View(), 0.5f, ParamsFor(1), out.Target());
  ConstImage missing = from.View();
  missing.pixels = nullptr;
  RenderTransition(missing, from.View(), 0.5f, ParamsFor(1), out.Target());
  EXPECT_EQ(out.Visible(), before);
  EXPECT_TRUE(out.GuardsIntact());
}

// Reused working memory must give the same frames as fresh memory, whatever was drawn before
// and at whatever size.
TEST(TransitionContract, FramesDoNotDependOnReusedWorkingMemory) {
  TransitionScratch shared;
  for (const Size size : {Size{37, 23}, Size{5, 90}, Size{61, 3}}) {
    const Picture from = Picture::Old(size.width, size.height);
    const Picture to = Picture::New(size.width, size.height);
    for (int effect = kLastEffect; effect >= kFirstEffect; --effect) {
      const TransitionParams params = ParamsFor(effect, effect % 16);
      Picture reused(size.width, size.height);
      RenderTransition(from.View(), to.View(), 0.4f, params, reused.Target(), shared);
      EXPECT_EQ(reused.Visible(), Render(from, to, 0.4f, params).Visible()) << "effect " << effect;
    }
  }
}

std::uint64_t FrameHash(const Picture& p) {
  std::uint64_t h = 1469598103934665603ull;
  for (const std::uint32_t v : p.Visible()) h = (h ^ v) * 1099511628211ull;
  return h;
}

// Measured short of half way: at exactly one half several shapes meet the same straight line
// (a clock hand at six o'clock and a wipe from the right, for example).
TEST(TransitionContract, EveryEffectNumberLooksDifferentOnTheWay) {
  const Picture from = Picture::Old(48, 32);
  const Picture to = Picture::New(48, 32);
  std::map<std::uint64_t, int> firstWithHash;
  for (int effect = kFirstEffect; effect <= kLastEffect; ++effect) {
    const auto [it, fresh] = firstWithHash.emplace(FrameHash(Render(from, to, 0.4f, ParamsFor(effect))), effect);
    EXPECT_TRUE(fresh) << "effect " << effect << " draws the same frame as effect " << it->second;
  }
}

TEST(TransitionContract, TheSecondValueChangesTheCountedFamilies) {
  const Picture from = Picture::Old(97, 61);
  const Picture to = Picture::New(97, 61);
  const std::set<std::string> counted = {"blinds",  "checkerboard", "random bars", "stripes",
                                         "spiral",  "snake",        "mosaic"};
  int checked = 0;
  for (int effect = kFirstEffect; effect <= kLastEffect; ++effect) {
    const bool blocks = effect == 68;  // the block dissolve counts its blocks
    if (!counted.contains(EffectFamilyName(effect)) && !blocks) continue;
    ++checked;
    SCOPED_TRACE(testing::Message() << "effect " << effect);
    const auto three = Render(from, to, 0.45f, ParamsFor(effect, 3)).Visible();
    EXPECT_NE(three, Render(from, to, 0.45f, ParamsFor(effect, 11)).Visible());
    // Values below 1 mean the default; above 15 the largest count.
    EXPECT_EQ(Render(from, to, 0.45f, ParamsFor(effect, -1)).Visible(),
              Render(from, to, 0.45f, ParamsFor(effect, 0)).Visible());
    EXPECT_EQ(Render(from, to, 0.45f, ParamsFor(effect, 99)).Visible(),
              Render(from, to, 0.45f, ParamsFor(effect, 15)).Visible());
  }
  EXPECT_GE(checked, 15);
}

}  // namespace
}  // namespace velvora::effects::test
