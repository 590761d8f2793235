// Effects that uncover the new picture through a growing region, optionally with a band of
// colour running ahead of it.
#include <algorithm>
#include <numeric>

#include "effects/band.h"
#include "effects/shapes.h"

namespace velvora::effects {
namespace {

// Row y as runs: the new picture inside `inner`, the colour where `outer` reaches beyond it,
// the old picture everywhere else. The sweep takes each pixel once, so a band costs no second
// write, and it does not rely on the two regions being nested.
void RegionRuns(const Frame& f, int y, SpanView inner, SpanView outer, std::uint32_t colour,
                RowRuns& runs) {
  const std::uint32_t* from = f.from.Row(y);
  const std::uint32_t* to = f.to.Row(y);
  std::size_t i = 0;
  std::size_t o = 0;
  int x = 0;
  while (x < f.width) {
    while (i < inner.size() && inner[i].x1 <= x) ++i;
    while (o < outer.size() && outer[o].x1 <= x) ++o;
    const bool inInner = i < inner.size() && inner[i].x0 <= x;
    const bool inOuter = o < outer.size() && outer[o].x0 <= x;
    int end = f.width;
    if (i < inner.size()) end = std::min(end, inInner ? inner[i].x1 : inner[i].x0);
    if (o < outer.size()) end = std::min(end, inOuter ? outer[o].x1 : outer[o].x0);
    if (inInner) {
      runs.Copy(x, end, to + x);
    } else if (inOuter) {
      runs.Fill(x, end, colour);
    } else {
      runs.Copy(x, end, from + x);
    }
    x = end;
  }
}

// Old picture outside `lead`, the colour between `lead` and `trail`, the new picture inside
// `trail`; without a band both are the same region.
void PaintRegions(const Frame& f, const Shape& trail, const Shape* lead, std::uint32_t colour) {
  PaintRows(f.out, f.scratch.rows, [&](int y, RowRuns& runs) {
    const SpanView inner = trail.Row(y, f.scratch.trailSpans);
    const SpanView outer = lead ? lead->Row(y, f.scratch.leadSpans) : inner;
    RegionRuns(f, y, inner, outer, colour, runs);
  });
}

// Grid of roughly square cells with `columns` across.
struct Grid {
  int columns;
  int rows;
};

Grid GridOf(const Frame& f, int columns) {
  const int across = std::clamp(columns, 1, f.width);
  const long long down = (static_cast<long long>(across) * f.height + f.width / 2) / f.width;
  return {across, static_cast<int>(std::clamp<long long>(down, 1, f.height))};
}

void SpiralRanks(Grid g, bool outward, std::vector<std::int32_t>& ranks) {
  int left = 0, top = 0, right = g.columns - 1, bottom = g.rows - 1;
  std::int32_t next = 0;
  const auto set = [&](int c, int r) { ranks[static_cast<std::size_t>(r * g.columns + c)] = next++; };
  while (left <= right && top <= bottom) {
    for (int c = left; c <= right; ++c) set(c, top);
    for (int r = top + 1; r <= bottom; ++r) set(right, r);
    if (top < bottom) {
      for (int c = right - 1; c >= left; --c) set(c, bottom);
    }
    if (left < right) {
      for (int r = bottom - 1; r > top; --r) set(left, r);
    }
    ++left, ++top, --right, --bottom;
  }
  if (outward) {
    for (auto& rank : ranks) rank = next - 1 - rank;
  }
}

void SnakeRanks(Grid g, bool byColumns, std::vector<std::int32_t>& ranks) {
  for (int r = 0; r < g.rows; ++r) {
    for (int c = 0; c < g.columns; ++c) {
      const int rank = byColumns ? c * g.rows + (c % 2 == 0 ? r : g.rows - 1 - r)
                                 : r * g.columns + (r % 2 == 0 ? c : g.columns - 1 - c);
      ranks[static_cast<std::size_t>(r * g.columns + c)] = rank;
    }
  }
}

// A fixed shuffle: every cell gets a distinct rank, the same on every run.
void ScatteredRanks(std::vector<std::int32_t>& ranks) {
  std::iota(ranks.begin(), ranks.end(), 0);
  for (std::size_t i = ranks.size(); i > 1; --i) {
    const std::size_t j = Mix32(static_cast<std::uint32_t>(i)) % i;
    std::swap(ranks[i - 1], ranks[j]);
  }
}

// The grid and the order of the cell families, in the frame's scratch.
Grid PrepareCells(const Frame& f, const EffectEntry& e) {
  const Grid g = e.family == Family::Dissolve ? GridOf(f, 4 * CountOr(f, 6))
                                              : GridOf(f, std::max(2, CountOr(f, 12)));
  auto& ranks = f.scratch.cellRanks;
  ranks.resize(static_cast<std::size_t>(g.columns * g.rows));
  if (e.family == Family::Spiral) {
    SpiralRanks(g, e.variant == 1, ranks);
  } else if (e.family == Family::Snake) {
    SnakeRanks(g, e.variant == 1, ranks);
  } else {
    ScatteredRanks(ranks);
  }
  return g;
}

// Calls use(shape) with the family's region at `level`.
template <class Use>
void WithShape(const Frame& f, const EffectEntry& e, Grid grid, float level, Use&& use) {
  const int w = f.width;
  const int h = f.height;
  const bool inward = e.variant == 1;
  switch (e.family) {
    case Family::Blinds: use(SlatsShape(w, h, e.variant, CountOr(f, 8), level)); break;
    case Family::Split: {
      // Variants: 0 opens from a vertical centre line, 1 closes onto it; 2 and 3 horizontal.
      const bool closing = e.variant % 2 == 1;
      const float reach = closing ? 1.0f - level : level;
      if (e.variant < 2) {
        use(BoxShape(w, h, reach, 1.0f, closing));
      } else {
        use(BoxShape(w, h, 1.0f, reach, closing));
      }
      break;
    }
    case Family::Iris: {
      const float reach = inward ? 1.0f - level : level;
      use(BoxShape(w, h, reach, reach, inward));
      break;
    }
    case Family::Circle: use(CircleShape(w, h, inward ? 1.0f - level : level, inward)); break;
    case Family::Diamond: use(DiamondShape(w, h, inward ? 1.0f - level : level, inward)); break;
    case Family::Clock: use(ClockShape(w, h, e.variant, level)); break;
    case Family::Checkerboard: use(CheckerShape(w, h, e.variant, CountOr(f, 8), level)); break;
    case Family::RandomBars: use(RandomRowsShape(w, h, 16 * CountOr(f, 8), level)); break;
    case Family::Spiral:
    case Family::Snake:
    case Family::Dissolve:
      use(CellOrderShape(w, h, grid.columns, grid.rows, f.scratch.cellRanks, level));
      break;
    default: use(LinearShape(w, h, e.variant, level)); break;
  }
}

}  // namespace

void RenderRegionFamily(const Frame& f, const EffectEntry& e, float progress) {
  const bool cells = e.family == Family::Spiral || e.family == Family::Snake ||
                     e.family == Family::Dissolve;
  const Grid grid = cells ? PrepareCells(f, e) : Grid{1, 1};
  const BandLevels levels = BandLevelsOf(progress, e.band);
  WithShape(f, e, grid, levels.trail, [&](const Shape& trail) {
    if (e.band == Band::None) {
      PaintRegions(f, trail, nullptr, 0);
      return;
    }
    WithShape(f, e, grid, levels.lead, [&](const Shape& lead) {
      PaintRegions(f, trail, &lead, f.ColourOf(e.band));
    });
  });
}

}  // namespace velvora::effects
