#pragma once
// What every effect renderer gets: the three images of one frame, the settings and the
// working memory.
#include <array>
#include <cstdint>
#include <vector>

#include "effects/effect_table.h"
#include "effects/row_runs.h"
#include "effects/transition.h"

namespace velvora::effects {

// The columns [x0, x1) of one row.
struct Span {
  int x0;
  int x1;
};

struct TransitionScratch::Buffers {
  std::vector<Span> trailSpans;        // rows of the region showing the new picture
  std::vector<Span> leadSpans;         // rows of the region reached by the colour band
  std::vector<std::int32_t> columns;   // source column of each output column
  std::vector<std::int32_t> cellRanks; // order in which grid cells turn over
  std::vector<std::uint16_t> noise;    // dissolve thresholds; built once, then reused
  std::vector<std::uint16_t> columnThresholds;  // random bars across the columns
  RowRuns rows;                        // runs of the rows being painted
};

struct Frame {
  ConstImage from;
  ConstImage to;
  Image out;
  int width;
  int height;
  int param;  // 0 = use the family's default
  std::uint32_t colourA;
  std::uint32_t colourB;
  TransitionScratch::Buffers& scratch;

  std::uint32_t ColourOf(Band band) const { return band == Band::ColourB ? colourB : colourA; }
};

// Nearest whole number of `level` x `extent` for level in 0..1: exactly 0 and `extent` at the
// ends, whatever the float rounding in between.
int Portion(float level, int extent);

// 0..256 blend weight for a level in 0..1.
std::uint32_t AlphaOf(float level);

// 32-bit mix of a number (one round of a well-known integer finaliser); the randomness of
// dissolves and random orders, identical on every run.
std::uint32_t Mix32(std::uint32_t value);

// The second value as a count in 1..15, or `fallback` when it is 0.
int CountOr(const Frame& frame, int fallback);

// Start of part k of `extent` split into `parts` nearly equal parts (parts <= extent).
inline int PartStart(int k, int extent, int parts) {
  return static_cast<int>((static_cast<long long>(k) * extent + parts - 1) / parts);
}
// The part a position falls in, the inverse of PartStart.
inline int PartOf(int position, int extent, int parts) {
  return static_cast<int>(static_cast<long long>(position) * parts / extent);
}

// Columns split into nearly equal parts (cells, slats, bars), the edges worked out once per
// frame rather than once per row.
class ColumnParts {
 public:
  static constexpr int kMaxParts = 64;
  ColumnParts(int width, int parts);
  int Count() const { return parts_; }
  int Start(int k) const { return edges_[static_cast<std::size_t>(k)]; }
  int End(int k) const { return edges_[static_cast<std::size_t>(k) + 1]; }

 private:
  int parts_;
  std::array<int, kMaxParts + 1> edges_;
};

// Renderers, one per kind of drawing; each handles every variant of its families.
void RenderRegionFamily(const Frame& frame, const EffectEntry& entry, float progress);
// The pixel dissolve and random bars across the columns.
void RenderPixelByPixel(const Frame& frame, const EffectEntry& entry, float progress);
void RenderMotionFamily(const Frame& frame, const EffectEntry& entry, float progress);
void RenderSoftWipe(const Frame& frame, int direction, float progress);
void RenderFade(const Frame& frame, int variant, float progress);
void RenderMosaic(const Frame& frame, float progress);

}  // namespace velvora::effects
