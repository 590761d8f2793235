#pragma once
// Regions that grow with a level from empty (0) to the whole picture (1), given row by row as
// spans. A region at a lower level lies inside the region at a higher one, so one shape at two
// levels gives the new picture and, between them, a colour band.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "effects/frame.h"

namespace velvora::effects {

using SpanView = std::span<const Span>;

class Shape {
 public:
  virtual ~Shape() = default;
  // The covered columns of row y: sorted, disjoint spans inside [0, width), kept in `storage`
  // (or, when every row is alike, in the shape).
  virtual SpanView Row(int y, std::vector<Span>& storage) const = 0;
};

// A straight edge crossing the picture in one of eight directions.
class LinearShape final : public Shape {
 public:
  LinearShape(int width, int height, int direction, float level);
  SpanView Row(int y, std::vector<Span>& storage) const override;

 private:
  int width_, height_;
  Step step_;
  float level_;
};

// Slats (blinds) that each fill from one side: variant 0 rows downwards, 1 rows upwards,
// 2 columns rightwards, 3 columns leftwards.
class SlatsShape final : public Shape {
 public:
  SlatsShape(int width, int height, int variant, int count, float level);
  SpanView Row(int y, std::vector<Span>& storage) const override;

 private:
  int width_, height_, variant_, count_;
  float level_;
  // Columns variants: every row is alike.
  std::array<Span, ColumnParts::kMaxParts> columnSpans_{};
  std::size_t columnSpanCount_ = 0;
};

// A region that is one interval per row, grown from the centre; `inward` covers the outside
// of the interval instead (build it with the level counted from the other end).
class CentredShape : public Shape {
 public:
  CentredShape(int width, int height, bool inward) : width_(width), height_(height), inward_(inward) {}
  SpanView Row(int y, std::vector<Span>& storage) const final;

 protected:
  virtual bool Interval(int y, int& x0, int& x1) const = 0;
  int width_, height_;

 private:
  bool inward_;
};

// A centred rectangle, its sides the given fractions of the picture's (splits and iris).
class BoxShape final : public CentredShape {
 public:
  BoxShape(int width, int height, float fractionX, float fractionY, bool inward);

 private:
  bool Interval(int y, int& x0, int& x1) const override;
  int x0_, x1_, y0_, y1_;
};

class CircleShape final : public CentredShape {
 public:
  CircleShape(int width, int height, float level, bool inward);

 private:
  bool Interval(int y, int& x0, int& x1) const override;
  float radiusSquared_;
};

class DiamondShape final : public CentredShape {
 public:
  DiamondShape(int width, int height, float level, bool inward);

 private:
  bool Interval(int y, int& x0, int& x1) const override;
  float level_;
};

// A hand sweeping round the centre from twelve o'clock: variant 0 clockwise,
// 1 anticlockwise, 2 both ways at once (fan), 3 two opposite hands.
class ClockShape final : public Shape {
 public:
  ClockShape(int width, int height, int variant, float level);
  SpanView Row(int y, std::vector<Span>& storage) const override;

 private:
  struct Pair {
    Span first, second;
  };
  Pair Sweep(int y, bool mirrored) const;
  int width_, height_, variant_;
  float level_, sin_, cos_;
  bool pastHalf_;
};

// Cells of a grid in alternating phases: variant 0 each cell fills rightwards,
// 1 downwards; the even cells turn over in the first half, the odd ones in the second.
class CheckerShape final : public Shape {
 public:
  CheckerShape(int width, int height, int variant, int columns, float level);
  SpanView Row(int y, std::vector<Span>& storage) const override;

 private:
  int height_, variant_, rows_;
  ColumnParts columns_;
  std::array<float, 2> phase_;  // of the cells that turn over first and second
};

// Bars in a scattered order: each bar turns over when the level passes its threshold.
inline constexpr int kMaxRandomBars = 256;
// The number of bars for a requested count across `extent` pixels.
int RandomBarCount(int requested, int extent);
// Threshold (of 65536) of bar k: variant 0 rows, 1 columns.
std::uint16_t RandomBarThreshold(int variant, int bar);

// Random bars across the rows. (Bars across the columns are drawn per pixel.)
class RandomRowsShape final : public Shape {
 public:
  RandomRowsShape(int width, int height, int bars, float level);
  SpanView Row(int y, std::vector<Span>& storage) const override;

 private:
  int width_, height_, bars_;
  std::uint32_t reached_;
};

// Grid cells turning over one after another in the order of `ranks` (row by row).
class CellOrderShape final : public Shape {
 public:
  CellOrderShape(int width, int height, int columns, int rows,
                 const std::vector<std::int32_t>& ranks, float level);
  SpanView Row(int y, std::vector<Span>& storage) const override;

 private:
  int height_, rows_, reached_;
  ColumnParts columns_;
  const std::vector<std::int32_t>& ranks_;
};

// Appends [x0, x1) to sorted spans, joining it to the last span when they touch.
void AppendSpan(std::vector<Span>& spans, int x0, int x1);

}  // namespace velvora::effects
