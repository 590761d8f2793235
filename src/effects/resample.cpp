// Scaling a picture into a rectangle of a frame: separable, in fixed point. Each axis has a
// table of the source pixels every target pixel is made of. A target row is first made down
// the columns (a weighted sum of whole source rows, which vectorises), then along the row.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "effects/compose.h"

namespace velvora::effects {
namespace {

constexpr int kWeightBits = 14;
constexpr std::int64_t kWeightOne = std::int64_t{1} << kWeightBits;
// The column sums keep 8 fraction bits per channel: (value x weight) >> kColumnShift.
constexpr int kColumnShift = kWeightBits - 8;
constexpr int kRowShift = kWeightBits + 8;

inline std::uint32_t Div255(std::uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

inline std::uint32_t Premultiplied(std::uint32_t argb) {
  const std::uint32_t a = argb >> 24;
  if (a == 255) return argb;
  const std::uint32_t b = Div255((argb & 0xFF) * a);
  const std::uint32_t g = Div255(((argb >> 8) & 0xFF) * a);
  const std::uint32_t r = Div255(((argb >> 16) & 0xFF) * a);
  return (a << 24) | (r << 16) | (g << 8) | b;
}

bool Opaque(const std::uint32_t* row, int count) {
  std::uint32_t all = 0xFFFFFFFFu;
  for (int i = 0; i < count; ++i) all &= row[i];
  return (all >> 24) == 0xFF;
}

// Source over: the premultiplied pixel `top` over `under`.
inline std::uint32_t Over(std::uint32_t top, std::uint32_t under) {
  const std::uint32_t keep = 255 - (top >> 24);
  if (keep == 0) return top;
  std::uint32_t result = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t channel = ((top >> shift) & 0xFF) + Div255(((under >> shift) & 0xFF) * keep);
    result |= std::min<std::uint32_t>(channel, 255) << shift;
  }
  return result;
}

// The source pixels each target pixel of one axis is made of, and their weights (fixed point,
// summing to kWeightOne for every target pixel).
struct Taps {
  std::vector<std::int32_t> first;
  std::vector<std::int32_t> count;
  std::vector<std::int32_t> offset;
  std::vector<std::uint32_t> weights;
  int widest = 0;  // the most taps of any target pixel, when all have as many; else 0

  void Add(std::int64_t firstSource, const std::vector<std::int64_t>& raw) {
    std::int64_t total = 0;
    for (std::int64_t w : raw) total += w;
    first.push_back(static_cast<std::int32_t>(firstSource));
    offset.push_back(static_cast<std::int32_t>(weights.size()));
    count.push_back(static_cast<std::int32_t>(raw.size()));
    const auto begin = static_cast<std::ptrdiff_t>(weights.size());
    std::int64_t sum = 0;
    for (std::int64_t w : raw) {
      weights.push_back(static_cast<std::uint32_t>((w * kWeightOne + total / 2) / total));
      sum += weights.back();
    }
    // Rounding may leave the sum a little off: the largest weight takes the difference.
    auto& largest = *std::max_element(weights.begin() + begin, weights.end());
    largest = static_cast<std::uint32_t>(static_cast<std::int64_t>(largest) + kWeightOne - sum);
  }

  // Gives every target pixel the same number of taps where that costs at most one more (a tap
  // of weight 0 on a neighbour), so the row loop can be unrolled.
  void Even(int sourceLength) {
    int most = 0, fewest = INT32_MAX;
    for (std::int32_t c : count) most = std::max(most, c), fewest = std::min(fewest, c);
    if (most > 2 || most - fewest > 1) return;
    Taps even;
    for (std::size_t i = 0; i < count.size(); ++i) {
      std::int32_t start = first[i];
      std::vector<std::uint32_t> w(weights.begin() + offset[i], weights.begin() + offset[i] + count[i]);
      if (count[i] < most) {
        // The extra tap lies inside the source, before or after.
        if (start + count[i] < sourceLength) {
          w.push_back(0);
        } else {
          --start;
          w.insert(w.begin(), 0);
        }
      }
      even.first.push_back(start);
      even.offset.push_back(static_cast<std::int32_t>(even.weights.size()));
      even.count.push_back(most);
      even.weights.insert(even.weights.end(), w.begin(), w.end());
    }
    *this = std::move(even);
    widest = most;
  }
};

// Enlarging (or keeping the size): bilinear between the two source pixels nearest to the target
// pixel's centre. Shrinking: each source pixel weighs as much as it overlaps the target pixel.
// Exact integer positions: in units of 1 / (2 x target) of a source pixel, or 1 / target.
Taps TapsFor(int source, int target) {
  Taps taps;
  std::vector<std::int64_t> raw;
  const std::int64_t s = source, t = target;
  for (std::int64_t i = 0; i < t; ++i) {
    raw.clear();
    std::int64_t firstSource = 0;
    if (t >= s) {
      const std::int64_t centre = (2 * i + 1) * s - t;
      if (centre <= 0) {
        raw.push_back(1);
      } else if (centre / (2 * t) >= s - 1) {
        firstSource = s - 1;
        raw.push_back(1);
      } else {
        firstSource = centre / (2 * t);
        const std::int64_t fraction = centre - firstSource * 2 * t;
        raw.push_back(2 * t - fraction);
        if (fraction > 0) raw.push_back(fraction);
      }
    } else {
      const std::int64_t from = i * s, to = from + s;
      firstSource = from / t;
      for (std::int64_t j = firstSource; j * t < to; ++j) {
        raw.push_back(std::min(to, (j + 1) * t) - std::max(from, j * t));
      }
    }
    taps.Add(firstSource, raw);
  }
  return taps;
}

// One target row at a time, from the source rows its taps name.
class Resampler {
 public:
  Resampler(ConstImage source, Alpha alpha, const Taps& columns)
      : source_(source),
        alpha_(alpha),
        columns_(columns),
        channels_(static_cast<std::size_t>(source.width) * 4),
        sums_(channels_),
        column_(channels_),
        premultiplied_(static_cast<std::size_t>(source.width)) {}

  // Target pixels [x0, x1) of a row made of the given source rows and weights.
  void Row(const Taps& rows, std::size_t row, int x0, int x1, std::uint32_t* out) {
    for (int k = 0; k < rows.count[row]; ++k) {
      const std::uint8_t* in = SourceRow(rows.first[row] + k);
      const std::uint32_t w = rows.weights[static_cast<std::size_t>(rows.offset[row] + k)];
      std::uint32_t* sum = sums_.data();
      if (k == 0) {
        for (std::size_t n = 0; n < channels_; ++n) sum[n] = in[n] * w;
      } else {
        for (std::size_t n = 0; n < channels_; ++n) sum[n] += in[n] * w;
      }
    }
    std::uint16_t* column = column_.data();
    const std::uint32_t* sum = sums_.data();
    for (std::size_t n = 0; n < channels_; ++n) {
      column[n] = static_cast<std::uint16_t>((sum[n] + (1u << (kColumnShift - 1))) >> kColumnShift);
    }
    switch (columns_.widest) {
      case 1: AlongRow<1>(x0, x1, out); break;
      case 2: AlongRow<2>(x0, x1, out); break;
      default: AlongRow<0>(x0, x1, out); break;
    }
  }

 private:
  // The row along x from the column sums; kTaps is the taps' count when all have the same
  // small one (the compiler then unrolls), 0 when it varies.
  template <int kTaps>
  void AlongRow(int x0, int x1, std::uint32_t* out) const {
    const std::uint16_t* column = column_.data();
    for (int x = x0; x < x1; ++x) {
      const auto tap = static_cast<std::size_t>(x);
      const std::uint16_t* pixel = column + 4 * static_cast<std::size_t>(columns_.first[tap]);
      const std::uint32_t* weight = columns_.weights.data() + columns_.offset[tap];
      const int count = kTaps > 0 ? kTaps : columns_.count[tap];
      std::uint32_t b = 1u << (kRowShift - 1), g = b, r = b, a = b;
      for (int k = 0; k < count; ++k, pixel += 4) {
        b += pixel[0] * weight[k];
        g += pixel[1] * weight[k];
        r += pixel[2] * weight[k];
        a += pixel[3] * weight[k];
      }
      // The weights sum to one, so no channel can pass 255.
      *out++ = ((a >> kRowShift) << 24) | ((r >> kRowShift) << 16) | ((g >> kRowShift) << 8) | (b >> kRowShift);
    }
  }

  // A source row as premultiplied bytes: blue, green, red, alpha for each pixel.
  const std::uint8_t* SourceRow(int y) {
    const std::uint32_t* row = source_.Row(y);
    if (alpha_ == Alpha::Straight && !Opaque(row, source_.width)) {
      for (int x = 0; x < source_.width; ++x) premultiplied_[static_cast<std::size_t>(x)] = Premultiplied(row[x]);
      row = premultiplied_.data();
    }
    return reinterpret_cast<const std::uint8_t*>(row);
  }

  ConstImage source_;
  Alpha alpha_;
  const Taps& columns_;
  std::size_t channels_;
  std::vector<std::uint32_t> sums_;
  std::vector<std::uint16_t> column_;
  std::vector<std::uint32_t> premultiplied_;
};

}  // namespace

void DrawScaled(ConstImage picture, Alpha alpha, Image out, Rect target) {
  if (picture.width <= 0 || picture.height <= 0 || !picture.pixels || !out.pixels) return;
  if (target.width <= 0 || target.height <= 0) return;
  const int x0 = std::max(0, target.x), x1 = std::min(out.width, target.x + target.width);
  const int y0 = std::max(0, target.y), y1 = std::min(out.height, target.y + target.height);
  if (x0 >= x1 || y0 >= y1) return;

  if (target.width == picture.width && target.height == picture.height) {
    // The same size: each pixel as it is.
    for (int y = y0; y < y1; ++y) {
      const std::uint32_t* src = picture.Row(y - target.y) + (x0 - target.x);
      std::uint32_t* dst = out.Row(y) + x0;
      if (Opaque(src, x1 - x0)) {
        std::memcpy(dst, src, static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t));
        continue;
      }
      for (int x = 0; x < x1 - x0; ++x) {
        dst[x] = Over(alpha == Alpha::Straight ? Premultiplied(src[x]) : src[x], dst[x]);
      }
    }
    return;
  }
  Taps columns = TapsFor(picture.width, target.width);
  columns.Even(picture.width);
  const Taps rows = TapsFor(picture.height, target.height);
  Resampler resampler(picture, alpha, columns);
  std::vector<std::uint32_t> made(static_cast<std::size_t>(x1 - x0));
  for (int y = y0; y < y1; ++y) {
    resampler.Row(rows, static_cast<std::size_t>(y - target.y), x0 - target.x, x1 - target.x, made.data());
    std::uint32_t* dst = out.Row(y) + x0;
    for (std::size_t x = 0; x < made.size(); ++x) dst[x] = Over(made[x], dst[x]);
  }
}

}  // namespace velvora::effects
