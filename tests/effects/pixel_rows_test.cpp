// The row loops where vector code does the bulk of a row and plain code the rest: every
// length, start and slope must give the one-pixel blend and write nothing outside the row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "effects/pixel_rows.h"

namespace velvora::effects {
namespace {

std::vector<std::uint32_t> Noise(std::size_t count, std::uint32_t seed) {
  std::vector<std::uint32_t> v(count);
  for (auto& pixel : v) {
    seed = seed * 1664525u + 1013904223u;
    pixel = seed ^ (seed >> 13);
  }
  return v;
}

TEST(RampPixels, MatchesTheOnePixelBlendAtEveryLengthStartAndSlope) {
  constexpr std::uint32_t kGuard = 0xDEADBEEFu;
  const auto a = Noise(64, 1);
  const auto b = Noise(64, 2);
  // Slopes down and up, shallow and steep, none; starts outside 0..256 exercise the clamping.
  const std::int32_t slopes[] = {-(256 << 16) / 37, (256 << 16) / 5, 12345, -9000000, 0};
  const std::int32_t starts[] = {-(3 << 16), 0, (100 << 16) + 777, 256 << 16, 300 << 16};
  int checked = 0;
  for (int count = 0; count <= 41; ++count) {
    for (int offset = 0; offset < 4; ++offset) {  // unaligned rows
      for (const std::int32_t step : slopes) {
        for (const std::int32_t start : starts) {
          std::vector<std::uint32_t> out(static_cast<std::size_t>(count) + 2, kGuard);
          RampPixels(out.data() + 1, a.data() + offset, b.data() + offset, count, start, step);
          for (int i = 0; i < count; ++i) {
            const std::int32_t weight = std::clamp((start + i * step) >> 16, 0, 256);
            const std::uint32_t expected = Lerp(a[static_cast<std::size_t>(offset + i)],
                                                b[static_cast<std::size_t>(offset + i)],
                                                static_cast<std::uint32_t>(weight));
            ASSERT_EQ(out[static_cast<std::size_t>(i) + 1], expected)
                << "count " << count << " offset " << offset << " step " << step << " start " << start
                << " pixel " << i;
          }
          ASSERT_EQ(out.front(), kGuard);
          ASSERT_EQ(out.back(), kGuard);
          ++checked;
        }
      }
    }
  }
  EXPECT_EQ(checked, 42 * 4 * 5 * 5);
}

}  // namespace
}  // namespace velvora::effects
