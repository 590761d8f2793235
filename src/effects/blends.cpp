// Effects that blend: the soft-edged wipe and the fades.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "effects/frame.h"
#include "effects/pixel_rows.h"

namespace velvora::effects {
namespace {

// Width of the soft edge, in picture widths (or heights) along the direction of travel.
constexpr float kSoftEdge = 0.2f;
constexpr float kAlphaOne16 = static_cast<float>(kOpaque) * 65536.0f;

int ClampedFloor(float x, int lo, int hi) {
  if (!(x > static_cast<float>(lo))) return lo;
  if (x >= static_cast<float>(hi)) return hi;
  return static_cast<int>(std::floor(x));
}

}  // namespace

void RenderSoftWipe(const Frame& f, int direction, float progress) {
  const Step step = StepOf(direction);
  const float travel = static_cast<float>(std::abs(step.dx) + std::abs(step.dy));
  const float front = progress * (travel + kSoftEdge);
  const float width = static_cast<float>(f.width);
  const auto slope = static_cast<std::int32_t>(kAlphaOne16 / (kSoftEdge * width));
  PaintRows(f.out, f.scratch.rows, [&](int y, RowRuns& runs) {
    const std::uint32_t* from = f.from.Row(y);
    const std::uint32_t* to = f.to.Row(y);
    const int along = step.dy < 0 ? f.height - 1 - y : y;
    const float down = step.dy == 0 ? 0.0f
                                    : (static_cast<float>(along) + 0.5f) / static_cast<float>(f.height);
    const float reach = front - down;  // how far along the row the front has come
    if (step.dx == 0) {
      const std::uint32_t alpha = AlphaOf(reach / kSoftEdge);
      if (alpha == 0 || alpha == kOpaque) {
        runs.Copy(0, f.width, alpha == 0 ? from : to);
      } else {
        runs.Ramp(0, f.width, from, to, static_cast<std::int32_t>(alpha << 16), 0);
      }
      return;
    }
    // Pixels counted from the starting side: fully new before `full`, blended up to `touched`.
    const int full = ClampedFloor((reach - kSoftEdge) * width + 0.5f, 0, f.width);
    const int touched = std::max(full, ClampedFloor(reach * width + 0.5f, 0, f.width));
    const auto alphaAt = [&](int counted) {
      const float u = (static_cast<float>(counted) + 0.5f) / width;
      return static_cast<std::int32_t>(std::clamp((reach - u) / kSoftEdge, 0.0f, 1.0f) * kAlphaOne16);
    };
    if (step.dx > 0) {
      runs.Copy(0, full, to);
      runs.Ramp(full, touched, from + full, to + full, alphaAt(full), -slope);
      runs.Copy(touched, f.width, from + touched);
    } else {
      const int x0 = f.width - touched;
      const int x1 = f.width - full;
      runs.Copy(0, x0, from);
      runs.Ramp(x0, x1, from + x0, to + x0, alphaAt(touched - 1), slope);
      runs.Copy(x1, f.width, to + x1);
    }
  });
}

// Variant 0 cross-fades; 1 and 2 fade through colour A or B; 3 through A and then B.
void RenderFade(const Frame& f, int variant, float progress) {
  const std::uint32_t first = variant == 2 ? f.colourB : f.colourA;
  const std::uint32_t last = variant == 3 ? f.colourB : first;
  const float phases = variant == 0 ? 1.0f : variant == 3 ? 3.0f : 2.0f;
  const float t = progress * phases;
  for (int y = 0; y < f.height; ++y) {
    std::uint32_t* out = f.out.Row(y);
    if (variant == 0) {
      BlendPixels(out, f.from.Row(y), f.to.Row(y), f.width, AlphaOf(t));
    } else if (t < 1.0f) {
      BlendWithColour(out, f.from.Row(y), first, f.width, AlphaOf(t));
    } else if (t < phases - 1.0f) {
      FillPixels(out, Lerp(first, last, AlphaOf(t - 1.0f)), f.width);
    } else {
      BlendWithColour(out, f.to.Row(y), last, f.width, AlphaOf(phases - t));
    }
  }
}

}  // namespace velvora::effects
