// Shared conversions of levels and settings.
#include <algorithm>
#include <cmath>

#include "effects/band.h"
#include "effects/frame.h"
#include "effects/pixel_rows.h"

namespace velvora::effects {

int Portion(float level, int extent) {
  if (!(level > 0.0f)) return 0;
  if (level >= 1.0f) return extent;
  return std::clamp(static_cast<int>(std::lround(level * static_cast<float>(extent))), 0, extent);
}

std::uint32_t AlphaOf(float level) { return static_cast<std::uint32_t>(Portion(level, kOpaque)); }

std::uint32_t Mix32(std::uint32_t value) {
  value ^= value >> 16;
  value *= 0x7FEB352Du;
  value ^= value >> 15;
  value *= 0x846CA68Bu;
  value ^= value >> 16;
  return value;
}

ColumnParts::ColumnParts(int width, int parts) : parts_(std::clamp(parts, 1, kMaxParts)), edges_{} {
  for (int k = 0; k <= parts_; ++k) edges_[static_cast<std::size_t>(k)] = PartStart(k, width, parts_);
}

int CountOr(const Frame& frame, int fallback) { return frame.param > 0 ? frame.param : fallback; }

BandLevels BandLevelsOf(float progress, Band band) {
  if (band == Band::None) return {progress, progress};
  const float lead = progress * (1.0f + kBandWidth);
  return {std::max(0.0f, lead - kBandWidth), std::min(1.0f, lead)};
}

}  // namespace velvora::effects
