#include "effects/shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velvora::effects {
namespace {

int ClampedRound(float x, int lo, int hi) {
  if (!(x > static_cast<float>(lo))) return lo;  // also for NaN
  if (x >= static_cast<float>(hi)) return hi;
  return static_cast<int>(std::lround(x));
}

// First covered column of a row whose covered part reaches `half` either side of the centre.
// A pixel whose centre lies exactly on the edge stays out; the right edge is the mirror image,
// so both sides treat such pixels alike.
int LeftEdge(int width, float half) {
  return ClampedRound(static_cast<float>(width) / 2.0f - half, 0, (width + 1) / 2);
}

SpanView One(std::vector<Span>& storage, int x0, int x1) {
  storage.clear();
  AppendSpan(storage, x0, x1);
  return storage;
}

}  // namespace

void AppendSpan(std::vector<Span>& spans, int x0, int x1) {
  if (x1 <= x0) return;
  if (!spans.empty() && spans.back().x1 == x0) {
    spans.back().x1 = x1;
  } else {
    spans.push_back({x0, x1});
  }
}

// --- LinearShape ---------------------------------------------------------------------------

LinearShape::LinearShape(int width, int height, int direction, float level)
    : width_(width), height_(height), step_(StepOf(direction)), level_(level) {}

SpanView LinearShape::Row(int y, std::vector<Span>& storage) const {
  const int along = step_.dy < 0 ? height_ - 1 - y : y;  // row counted from the starting edge
  int covered = 0;
  if (step_.dx == 0) {
    covered = along < Portion(level_, height_) ? width_ : 0;
  } else if (step_.dy == 0) {
    covered = Portion(level_, width_);
  } else {
    // The edge runs diagonally: it reaches the far corner at level 1.
    const float reach = 2.0f * level_ - (static_cast<float>(along) + 0.5f) / static_cast<float>(height_);
    covered = level_ >= 1.0f ? width_ : ClampedRound(reach * static_cast<float>(width_), 0, width_);
  }
  return step_.dx < 0 ? One(storage, width_ - covered, width_) : One(storage, 0, covered);
}

// --- SlatsShape ----------------------------------------------------------------------------

SlatsShape::SlatsShape(int width, int height, int variant, int count, float level)
    : width_(width), height_(height), variant_(variant),
      count_(std::min(count, variant < 2 ? height : width)), level_(level) {
  if (variant_ < 2) return;
  const ColumnParts slats(width_, count_);
  for (int k = 0; k < slats.Count(); ++k) {
    const int covered = Portion(level_, slats.End(k) - slats.Start(k));
    const Span s = variant_ == 2 ? Span{slats.Start(k), slats.Start(k) + covered}
                                 : Span{slats.End(k) - covered, slats.End(k)};
    if (s.x1 <= s.x0) continue;
    if (columnSpanCount_ > 0 && columnSpans_[columnSpanCount_ - 1].x1 == s.x0) {
      columnSpans_[columnSpanCount_ - 1].x1 = s.x1;
    } else {
      columnSpans_[columnSpanCount_++] = s;
    }
  }
}

SpanView SlatsShape::Row(int y, std::vector<Span>& storage) const {
  if (variant_ >= 2) return {columnSpans_.data(), columnSpanCount_};
  storage.clear();
  const int k = PartOf(y, height_, count_);
  const int s0 = PartStart(k, height_, count_);
  const int s1 = PartStart(k + 1, height_, count_);
  const int into = variant_ == 0 ? y - s0 : s1 - 1 - y;
  if (into < Portion(level_, s1 - s0)) AppendSpan(storage, 0, width_);
  return storage;
}

// --- Centred shapes ------------------------------------------------------------------------

SpanView CentredShape::Row(int y, std::vector<Span>& storage) const {
  storage.clear();
  int x0 = 0;
  int x1 = 0;
  const bool inside = Interval(y, x0, x1);
  if (!inward_) {
    if (inside) AppendSpan(storage, x0, x1);
  } else if (!inside) {
    AppendSpan(storage, 0, width_);
  } else {
    AppendSpan(storage, 0, x0);
    AppendSpan(storage, x1, width_);
  }
  return storage;
}

BoxShape::BoxShape(int width, int height, float fractionX, float fractionY, bool inward)
    : CentredShape(width, height, inward) {
  const int w = Portion(fractionX, width);
  const int h = Portion(fractionY, height);
  x0_ = (width - w) / 2;
  x1_ = x0_ + w;
  y0_ = (height - h) / 2;
  y1_ = y0_ + h;
}

bool BoxShape::Interval(int y, int& x0, int& x1) const {
  x0 = x0_;
  x1 = x1_;
  return y >= y0_ && y < y1_ && x0 < x1;
}

CircleShape::CircleShape(int width, int height, float level, bool inward)
    : CentredShape(width, height, inward) {
  // At level 1 the circle passes the corners by a pixel.
  const float halfW = static_cast<float>(width) / 2.0f;
  const float halfH = static_cast<float>(height) / 2.0f;
  const float radius = level * (std::sqrt(halfW * halfW + halfH * halfH) + 1.0f);
  radiusSquared_ = radius * radius;
}

bool CircleShape::Interval(int y, int& x0, int& x1) const {
  const float dy = static_cast<float>(y) + 0.5f - static_cast<float>(height_) / 2.0f;
  const float rest = radiusSquared_ - dy * dy;
  if (rest <= 0.0f) return false;
  const float half = std::sqrt(rest);
  x0 = LeftEdge(width_, half);
  x1 = width_ - x0;
  return x0 < x1;
}

DiamondShape::DiamondShape(int width, int height, float level, bool inward)
    : CentredShape(width, height, inward), level_(level) {}

bool DiamondShape::Interval(int y, int& x0, int& x1) const {
  const float halfH = static_cast<float>(height_) / 2.0f;
  const float dy = std::fabs(static_cast<float>(y) + 0.5f - halfH);
  // |dx| / halfW + |dy| / halfH < 2 x level: the corners are reached at level 1.
  const float rest = 2.0f * level_ - dy / halfH;
  if (rest <= 0.0f) return false;
  const float half = rest * static_cast<float>(width_) / 2.0f;
  x0 = LeftEdge(width_, half);
  x1 = width_ - x0;
  return x0 < x1;
}

// --- ClockShape ----------------------------------------------------------------------------

ClockShape::ClockShape(int width, int height, int variant, float level)
    : width_(width), height_(height), variant_(variant), level_(level) {
  // A single hand goes all the way round; fan and twin hands each cover half a turn.
  const double turn = variant_ < 2 ? 1.0 : 0.5;
  const double angle = 2.0 * std::numbers::pi * turn * static_cast<double>(level);
  sin_ = static_cast<float>(std::sin(angle));
  cos_ = static_cast<float>(std::cos(angle));
  pastHalf_ = angle > std::numbers::pi;
}

// The columns of row y that a clockwise hand has passed: the right half, cut by the hand's
// half-plane while it is in the first half turn, joined by the cut left half after it.
ClockShape::Pair ClockShape::Sweep(int y, bool mirrored) const {
  const float cx = static_cast<float>(width_) / 2.0f;
  const float dy = static_cast<float>(y) + 0.5f - static_cast<float>(height_) / 2.0f;
  const float firstRight = dy < 0.0f ? std::ceil(cx - 0.5f) : std::floor(cx - 0.5f) + 1.0f;
  const int right0 = ClampedRound(firstRight, 0, width_);

  // Passed side of the hand (sin, -cos): dx * hy - dy * hx >= 0. Points on the line count as
  // passed, so the straight-up column stays passed when the hand points straight down.
  const float hx = sin_;
  const float hy = -cos_;
  Span plane{0, 0};
  if (std::fabs(hy) < 1e-6f) {
    if (-dy * hx >= 0.0f) plane = {0, width_};
  } else {
    const float t = dy * hx / hy + cx - 0.5f;  // columns from t on (or up to it) are passed
    const float bounded = std::clamp(t, -2.0f, static_cast<float>(width_) + 2.0f);
    if (hy > 0.0f) {
      plane = {ClampedRound(std::ceil(bounded), 0, width_), width_};
    } else {
      plane = {0, ClampedRound(std::floor(bounded) + 1.0f, 0, width_)};
    }
  }
  Pair pair{{0, 0}, {0, 0}};
  if (!pastHalf_) {
    pair.second = {std::max(right0, plane.x0), std::min(width_, plane.x1)};
  } else {
    pair.first = {plane.x0, std::min(right0, plane.x1)};
    pair.second = {right0, width_};
  }
  if (mirrored) {
    pair = {{width_ - pair.second.x1, width_ - pair.second.x0},
            {width_ - pair.first.x1, width_ - pair.first.x0}};
  }
  return pair;
}

SpanView ClockShape::Row(int y, std::vector<Span>& storage) const {
  storage.clear();
  if (level_ <= 0.0f) return storage;
  if (level_ >= 1.0f) return One(storage, 0, width_);
  std::array<Span, 4> parts{};  // one or two hands; unused parts stay empty
  const auto put = [&](std::size_t at, const Pair& p) {
    parts[at] = p.first;
    parts[at + 1] = p.second;
  };
  switch (variant_) {
    case 0: put(0, Sweep(y, false)); break;
    case 1: put(0, Sweep(y, true)); break;
    case 2: put(0, Sweep(y, false)); put(2, Sweep(y, true)); break;
    default: put(0, Sweep(y, false)); put(2, Sweep(height_ - 1 - y, true)); break;
  }
  std::sort(parts.begin(), parts.end(), [](const Span& a, const Span& b) { return a.x0 < b.x0; });
  for (const Span& s : parts) {
    if (s.x1 <= s.x0) continue;
    if (!storage.empty() && s.x0 <= storage.back().x1) {
      storage.back().x1 = std::max(storage.back().x1, s.x1);
    } else {
      storage.push_back(s);
    }
  }
  return storage;
}

// --- CheckerShape --------------------------------------------------------------------------

CheckerShape::CheckerShape(int width, int height, int variant, int columns, float level)
    : height_(height), variant_(variant),
      rows_(std::clamp(static_cast<int>(std::lround(static_cast<double>(std::min(columns, width)) * height / width)),
                       1, height)),
      columns_(width, std::min(columns, width)),
      phase_{std::clamp(2.0f * level, 0.0f, 1.0f), std::clamp(2.0f * level - 1.0f, 0.0f, 1.0f)} {}

SpanView CheckerShape::Row(int y, std::vector<Span>& storage) const {
  storage.clear();
  const int r = PartOf(y, height_, rows_);
  const int top = PartStart(r, height_, rows_);
  const int cellHeight = PartStart(r + 1, height_, rows_) - top;
  for (int c = 0; c < columns_.Count(); ++c) {
    const float phase = phase_[static_cast<std::size_t>((r + c) & 1)];
    const int x0 = columns_.Start(c);
    if (variant_ == 0) {
      AppendSpan(storage, x0, x0 + Portion(phase, columns_.End(c) - x0));
    } else if (y - top < Portion(phase, cellHeight)) {
      AppendSpan(storage, x0, columns_.End(c));
    }
  }
  return storage;
}

// --- Random bars ---------------------------------------------------------------------------

int RandomBarCount(int requested, int extent) {
  return std::clamp(requested, 1, std::min(kMaxRandomBars, extent));
}

std::uint16_t RandomBarThreshold(int variant, int bar) {
  const std::uint32_t seed = variant == 0 ? 0x2545F491u : 0x9E3779B9u;
  return static_cast<std::uint16_t>(Mix32(seed + static_cast<std::uint32_t>(bar)) >> 16);
}

RandomRowsShape::RandomRowsShape(int width, int height, int bars, float level)
    : width_(width), height_(height), bars_(RandomBarCount(bars, height)),
      reached_(static_cast<std::uint32_t>(Portion(level, 65536))) {}

SpanView RandomRowsShape::Row(int y, std::vector<Span>& storage) const {
  storage.clear();
  if (RandomBarThreshold(0, PartOf(y, height_, bars_)) < reached_) AppendSpan(storage, 0, width_);
  return storage;
}

// --- CellOrderShape ------------------------------------------------------------------------

CellOrderShape::CellOrderShape(int width, int height, int columns, int rows,
                               const std::vector<std::int32_t>& ranks, float level)
    : height_(height), rows_(rows), reached_(Portion(level, columns * rows)),
      columns_(width, columns), ranks_(ranks) {}

SpanView CellOrderShape::Row(int y, std::vector<Span>& storage) const {
  storage.clear();
  const std::int32_t* rank = ranks_.data() + PartOf(y, height_, rows_) * columns_.Count();
  for (int c = 0; c < columns_.Count(); ++c) {
    if (rank[c] < reached_) AppendSpan(storage, columns_.Start(c), columns_.End(c));
  }
  return storage;
}

}  // namespace velvora::effects
