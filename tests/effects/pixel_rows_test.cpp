// The row loops where vector code does the bulk of a row and plain code the rest: every
// length, start, slope and scale must give what the one-pixel rule gives, and nothing may be
// written outside the row.
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

// Scaling rows by a column table: shrinking to any size, keeping the size and growing. The
// source is exactly as long as the last column read, so the address sanitiser sees any read
// past it.
TEST(GatherPixels, TakesEachColumnFromTheTableAndReadsNothingBeyondTheLastColumn) {
  constexpr std::uint32_t kGuard = 0xDEADBEEFu;
  for (const int source : {1, 7, 16, 17, 40, 301}) {
    for (const int count : {0, 1, 5, 8, 9, 16, 23, 64, 150, 301, 700}) {
      // Centre sampling as the squeeze and zoom use it: source column (2i + 1) x source / 2count.
      std::vector<std::int32_t> columns(static_cast<std::size_t>(count));
      for (int i = 0; i < count; ++i) {
        columns[static_cast<std::size_t>(i)] =
            static_cast<std::int32_t>((2LL * i + 1) * source / (2LL * count));
      }
      const int used = count > 0 ? columns.back() + 1 : 0;
      const auto row = Noise(static_cast<std::size_t>(used), static_cast<std::uint32_t>(source));
      std::vector<std::uint32_t> out(static_cast<std::size_t>(count) + 2, kGuard);
      GatherPixels(out.data() + 1, row.data(), columns.data(), count);
      for (int i = 0; i < count; ++i) {
        ASSERT_EQ(out[static_cast<std::size_t>(i) + 1], row[static_cast<std::size_t>(columns[static_cast<std::size_t>(i)])])
            << "source " << source << " count " << count << " pixel " << i;
      }
      ASSERT_EQ(out.front(), kGuard);
      ASSERT_EQ(out.back(), kGuard);
    }
  }
  // A table that goes back and forth (a mirrored run, say) still picks the right pixels.
  std::vector<std::int32_t> zigzag;
  for (int i = 0; i < 64; ++i) zigzag.push_back(i % 16 < 8 ? i % 16 : 15 - i % 16 + (i / 16) * 3);
  zigzag.push_back(70);
  const auto row = Noise(71, 3);
  std::vector<std::uint32_t> out(zigzag.size());
  GatherPixels(out.data(), row.data(), zigzag.data(), static_cast<int>(zigzag.size()));
  for (std::size_t i = 0; i < zigzag.size(); ++i) {
    EXPECT_EQ(out[i], row[static_cast<std::size_t>(zigzag[i])]) << "pixel " << i;
  }
}

}  // namespace
}  // namespace velvora::effects
