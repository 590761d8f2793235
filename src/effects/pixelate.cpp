// Effects drawn from blocks and single pixels: the mosaic, the pixel dissolve and random bars
// across the columns.
#include <algorithm>
#include <cstdlib>

#include "effects/band.h"
#include "effects/frame.h"
#include "effects/pixel_rows.h"
#include "effects/shapes.h"

namespace velvora::effects {
namespace {

constexpr int kNoiseSide = 256;

const std::vector<std::uint16_t>& NoiseTile(TransitionScratch::Buffers& scratch) {
  auto& noise = scratch.noise;
  if (noise.empty()) {
    noise.resize(kNoiseSide * kNoiseSide);
    for (std::size_t i = 0; i < noise.size(); ++i) {
      noise[i] = static_cast<std::uint16_t>(Mix32(static_cast<std::uint32_t>(i) + 0x51ED270Bu) >> 16);
    }
  }
  return noise;
}

// Each pixel turns over when the level passes its threshold: it shows the new picture once
// the trailing level is above it, the band's colour once the leading level is. rowOf(y) gives
// the thresholds of row y, which repeat every `period` columns.
template <class RowOf>
void PaintThresholds(const Frame& f, Band band, float progress, int period, RowOf&& rowOf) {
  const BandLevels levels = BandLevelsOf(progress, band);
  const auto trail = static_cast<std::uint32_t>(Portion(levels.trail, 65536));
  const auto lead = static_cast<std::uint32_t>(Portion(levels.lead, 65536));
  const std::uint32_t colour = f.ColourOf(band);
  for (int y = 0; y < f.height; ++y) {
    const std::uint16_t* thresholds = rowOf(y);
    std::uint32_t* out = f.out.Row(y);
    const std::uint32_t* from = f.from.Row(y);
    const std::uint32_t* to = f.to.Row(y);
    for (int x = 0; x < f.width; x += period) {
      const int count = std::min(period, f.width - x);
      SelectByThreshold(out + x, from + x, to + x, colour, thresholds, count, trail, lead);
    }
  }
}

}  // namespace

// The old picture coarsens into blocks up to half way, then the new one sharpens out of them.
void RenderMosaic(const Frame& f, float progress) {
  const int largest = std::max(2, std::min(f.width, f.height) * CountOr(f, 4) / 64);
  const float swell = 1.0f - std::abs(2.0f * progress - 1.0f);
  const int block = 1 + Portion(swell, largest - 1);
  const ConstImage& source = progress < 0.5f ? f.from : f.to;
  for (int top = 0; top < f.height; top += block) {
    const int rows = std::min(block, f.height - top);
    std::uint32_t* first = f.out.Row(top);
    const std::uint32_t* sample = source.Row(top + rows / 2);
    for (int left = 0; left < f.width; left += block) {
      const int columns = std::min(block, f.width - left);
      FillPixels(first + left, sample[left + columns / 2], columns);
    }
    for (int y = top + 1; y < top + rows; ++y) CopyPixels(f.out.Row(y), first, f.width);
  }
}

void RenderPixelByPixel(const Frame& f, const EffectEntry& e, float progress) {
  if (e.family == Family::Dissolve) {
    // Each pixel turns over at its own moment, taken from a fixed noise tile.
    const auto& noise = NoiseTile(f.scratch);
    PaintThresholds(f, e.band, progress, kNoiseSide, [&](int y) {
      return noise.data() + (y % kNoiseSide) * kNoiseSide;
    });
    return;
  }
  // Bars across the columns are one row of thresholds, the same for every row: drawn as a
  // region they would be a hundred short pieces in each row.
  const int bars = RandomBarCount(16 * CountOr(f, 8), f.width);
  auto& row = f.scratch.columnThresholds;
  row.resize(static_cast<std::size_t>(f.width));
  for (int k = 0; k < bars; ++k) {
    std::fill(row.begin() + PartStart(k, f.width, bars), row.begin() + PartStart(k + 1, f.width, bars),
              RandomBarThreshold(1, k));
  }
  PaintThresholds(f, e.band, progress, f.width, [&](int) { return row.data(); });
}

}  // namespace velvora::effects
