// Composing a picture control's content: where a picture goes, how it is scaled and laid over
// the fill, and the frame fingerprint.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "effects/compose.h"
#include "test_pictures.h"

namespace velvora::effects::test {
namespace {

Picture Solid(int width, int height, std::uint32_t argb) { return Picture::Plain(width, height, argb); }

TEST(PlacePicture, FitKeepsTheProportionsCentredAndStretchTakesTheArea) {
  const Rect wide = PlacePicture(20, 10, 100, 80, true);
  EXPECT_EQ(wide.x, 0);
  EXPECT_EQ(wide.y, 15);
  EXPECT_EQ(wide.width, 100);
  EXPECT_EQ(wide.height, 50);
  const Rect tall = PlacePicture(3000, 4000, 1920, 1080, true);
  EXPECT_EQ(tall.width, 810);
  EXPECT_EQ(tall.height, 1080);
  EXPECT_EQ(tall.x, 555);
  const Rect stretched = PlacePicture(20, 10, 100, 80, false);
  EXPECT_EQ(stretched.width, 100);
  EXPECT_EQ(stretched.height, 80);
  // A sliver of a picture still takes a pixel.
  EXPECT_EQ(PlacePicture(10000, 1, 100, 80, true).height, 1);
  EXPECT_EQ(PlacePicture(6000, 4000, 1920, 1080, true).width, 1620);
}

TEST(DrawScaled, AOneColourPictureStaysOneColourAtAnySize) {
  for (auto [w, h, tw, th] : std::vector<std::array<int, 4>>{{3, 2, 97, 61}, {640, 480, 37, 19}, {7, 7, 7, 7},
                                                              {1, 1, 50, 3}, {1000, 3, 13, 200}}) {
    const Picture source = Solid(w, h, 0xFF336699u);
    Picture out = Solid(tw, th, 0xFF000000u);
    DrawScaled(source.View(), Alpha::Straight, out.Target(), {0, 0, tw, th});
    EXPECT_EQ(Differences(out, Solid(tw, th, 0xFF336699u)), 0) << w << "x" << h << " to " << tw << "x" << th;
    EXPECT_TRUE(out.GuardsIntact());
  }
}

TEST(DrawScaled, ShrinkingAveragesWhatEachPixelCovers) {
  // A black and white checkerboard halved is an even grey; a third of it keeps its average too.
  Picture board(8, 6, 0);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) board.At(x, y) = (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u;
  }
  Picture half = Solid(4, 3, 0);
  DrawScaled(board.View(), Alpha::Straight, half.Target(), {0, 0, 4, 3});
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(half.At(x, y), 0xFF808080u) << x << "," << y;
  }
  // Two columns, one black and one white, shrunk to one pixel: the half of each.
  Picture pair(2, 1, 0);
  pair.At(0, 0) = 0xFF000000u;
  pair.At(1, 0) = 0xFFFFFFFFu;
  Picture one = Solid(1, 1, 0);
  DrawScaled(pair.View(), Alpha::Straight, one.Target(), {0, 0, 1, 1});
  EXPECT_EQ(one.At(0, 0), 0xFF808080u);
}

TEST(DrawScaled, EnlargingInterpolatesBetweenNeighboursAndKeepsTheEdges) {
  Picture pair(2, 1, 0);
  pair.At(0, 0) = 0xFF000000u;
  pair.At(1, 0) = 0xFFC8C8C8u;  // 200
  Picture wide = Solid(8, 1, 0);
  DrawScaled(pair.View(), Alpha::Straight, wide.Target(), {0, 0, 8, 1});
  EXPECT_EQ(wide.At(0, 0), 0xFF000000u);
  EXPECT_EQ(wide.At(1, 0), 0xFF000000u);
  EXPECT_EQ(wide.At(7, 0), 0xFFC8C8C8u);
  for (int x = 1; x < 8; ++x) EXPECT_GE(wide.At(x, 0) & 0xFF, wide.At(x - 1, 0) & 0xFF);
  // Half way between the two centres (x = 3.5 in target pixels): exactly the middle.
  EXPECT_EQ((wide.At(3, 0) & 0xFF) + (wide.At(4, 0) & 0xFF), 200u);
}

TEST(DrawScaled, AtTheSameSizeEveryPixelIsCopied) {
  const Picture source = Picture::New(13, 9);
  Picture out = Solid(13, 9, 0);
  DrawScaled(source.View(), Alpha::Straight, out.Target(), {0, 0, 13, 9});
  EXPECT_EQ(Differences(out, source), 0);
  EXPECT_TRUE(out.GuardsIntact());
}

TEST(DrawScaled, TransparencyLiesOverWhatIsThere) {
  Picture source(2, 1, 0);
  source.At(0, 0) = 0x80FF0000u;  // red, half transparent
  source.At(1, 0) = 0x0000FF00u;  // fully transparent green
  Picture out = Solid(2, 1, 0xFF0000FFu);
  DrawScaled(source.View(), Alpha::Straight, out.Target(), {0, 0, 2, 1});
  EXPECT_EQ(out.At(0, 0), 0xFF80007Fu);
  EXPECT_EQ(out.At(1, 0), 0xFF0000FFu);
  // Over nothing, the result keeps the alpha with the colour premultiplied.
  Picture clear = Solid(2, 1, 0);
  DrawScaled(source.View(), Alpha::Straight, clear.Target(), {0, 0, 2, 1});
  EXPECT_EQ(clear.At(0, 0), 0x80800000u);
  EXPECT_EQ(clear.At(1, 0), 0u);
  // A premultiplied source is taken as it is.
  Picture again = Solid(2, 1, 0);
  DrawScaled(clear.View(), Alpha::Premultiplied, again.Target(), {0, 0, 2, 1});
  EXPECT_EQ(Differences(again, clear), 0);
}

TEST(DrawScaled, ATargetReachingOutsideIsCutAtTheEdges) {
  const Picture source = Solid(4, 4, 0xFFFFFFFFu);
  Picture out = Solid(6, 5, 0xFF000000u);
  DrawScaled(source.View(), Alpha::Straight, out.Target(), {-3, 2, 8, 8});
  EXPECT_TRUE(out.GuardsIntact());
  EXPECT_EQ(out.At(4, 2), 0xFFFFFFFFu);
  EXPECT_EQ(out.At(5, 2), 0xFF000000u);
  EXPECT_EQ(out.At(0, 1), 0xFF000000u);
  EXPECT_EQ(out.At(0, 4), 0xFFFFFFFFu);
  DrawScaled(source.View(), Alpha::Straight, out.Target(), {10, 10, 4, 4});  // wholly outside
  DrawScaled(source.View(), Alpha::Straight, out.Target(), {0, 0, 0, 4});
  EXPECT_TRUE(out.GuardsIntact());
}

TEST(ComposePicture, TheRestAndTheTransparentPartsTakeTheBackground) {
  Picture source = Solid(20, 10, 0xFFFFFFFFu);
  source.At(10, 5) = 0x00000000u;
  Picture out = Solid(100, 80, 0xDEADBEEFu);
  ComposePicture(source.View(), true, 0xFF000080u, out.Target());
  EXPECT_EQ(out.At(50, 5), 0xFF000080u);   // above the fitted picture
  EXPECT_EQ(out.At(50, 70), 0xFF000080u);  // below it
  EXPECT_EQ(out.At(2, 40), 0xFFFFFFFFu);
  EXPECT_EQ(out.At(52, 42), 0xFF000080u);  // the transparent pixel, five times as large
  ComposePicture(source.View(), false, 0, out.Target());
  EXPECT_EQ(out.At(50, 5), 0xFFFFFFFFu);
}

TEST(Checksum, FingerprintsThePixelsNotTheGapsBetweenRows) {
  Picture a = Solid(3, 2, 0xFF102030u);
  Picture b(3, 2, 5);  // another margin: other gaps between the rows
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) b.At(x, y) = 0xFF102030u;
  }
  EXPECT_EQ(Checksum(a.View()), Checksum(b.View()));
  b.At(2, 1) = 0xFF102031u;
  EXPECT_NE(Checksum(a.View()), Checksum(b.View()));
  // FNV-1a of the bytes 0x78 0x56 0x34 0x12 and of nothing.
  const std::uint32_t one = 0x12345678u;
  EXPECT_EQ(Checksum({1, 1, &one, 1}), 0xA3649785u);
  EXPECT_EQ(Checksum({0, 0, nullptr, 0}), 2166136261u);
}

}  // namespace
}  // namespace velvora::effects::test
