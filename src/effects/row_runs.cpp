#include "effects/row_runs.h"

#include "effects/pixel_rows.h"

namespace velvora::effects {

void RowRuns::Copy(int x0, int x1, const std::uint32_t* first) {
  if (x1 <= x0) return;
  if (!runs_.empty()) {
    Run& last = runs_.back();
    if (last.kind == Run::Kind::Copy && last.x1 == x0 && last.a + (x0 - last.x0) == first) {
      last.x1 = x1;
      return;
    }
  }
  runs_.push_back({Run::Kind::Copy, x0, x1, first, nullptr, nullptr, 0, 0, 0});
}

void RowRuns::Fill(int x0, int x1, std::uint32_t colour) {
  if (x1 <= x0) return;
  if (!runs_.empty()) {
    Run& last = runs_.back();
    if (last.kind == Run::Kind::Fill && last.x1 == x0 && last.colour == colour) {
      last.x1 = x1;
      return;
    }
  }
  runs_.push_back({Run::Kind::Fill, x0, x1, nullptr, nullptr, nullptr, colour, 0, 0});
}

void RowRuns::Gather(int x0, int x1, const std::uint32_t* row, const std::int32_t* columns) {
  if (x1 <= x0) return;
  runs_.push_back({Run::Kind::Gather, x0, x1, row, nullptr, columns, 0, 0, 0});
}

void RowRuns::Ramp(int x0, int x1, const std::uint32_t* a, const std::uint32_t* b,
                   std::int32_t alpha16, std::int32_t step16) {
  if (x1 <= x0) return;
  runs_.push_back({Run::Kind::Ramp, x0, x1, a, b, nullptr, 0, alpha16, step16});
}

void RowRuns::Prefetch() const {
  for (const Run& run : runs_) {
    const int count = run.x1 - run.x0;
    switch (run.kind) {
      case Run::Kind::Copy: PrefetchPixels(run.a, count); break;
      case Run::Kind::Gather: {
        const int first = run.columns[0];
        PrefetchPixels(run.a + first, run.columns[count - 1] - first + 1);
        break;
      }
      case Run::Kind::Ramp:
        PrefetchPixels(run.a, count);
        PrefetchPixels(run.b, count);
        break;
      case Run::Kind::Fill: break;
    }
  }
}

void RowRuns::Paint(std::uint32_t* out) const {
  for (const Run& run : runs_) {
    std::uint32_t* dst = out + run.x0;
    const int count = run.x1 - run.x0;
    switch (run.kind) {
      case Run::Kind::Copy: CopyPixels(dst, run.a, count); break;
      case Run::Kind::Fill: FillPixels(dst, run.colour, count); break;
      case Run::Kind::Gather: GatherPixels(dst, run.a, run.columns, count); break;
      case Run::Kind::Ramp: RampPixels(dst, run.a, run.b, count, run.alpha16, run.step16); break;
    }
  }
}

}  // namespace velvora::effects
