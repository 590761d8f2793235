#include "effects/row_runs.h"

#include "effects/pixel_rows.h"

namespace velvora::effects {
namespace {

// The first source pixel a run reads, and one past its last.
const std::uint32_t* SourceStart(const Run& run) {
  return run.kind == Run::Kind::Gather ? run.a + run.columns[0] : run.a;
}
const std::uint32_t* SourceEnd(const Run& run) {
  const int count = run.x1 - run.x0;
  return run.kind == Run::Kind::Gather ? run.a + run.columns[count - 1] + 1 : run.a + count;
}

// Whether `run` reads on from where `above` stopped (allowing for a small gap, as left by a
// stride with a margin or a gather's first column).
bool Continues(const Run& run, const Run& above) {
  constexpr std::uintptr_t kGap = 16 * sizeof(std::uint32_t);
  if (run.kind != above.kind || run.kind == Run::Kind::Ramp || run.kind == Run::Kind::Fill) {
    return false;
  }
  // As addresses: the two runs may read different pictures.
  const auto start = reinterpret_cast<std::uintptr_t>(SourceStart(run));
  const auto end = reinterpret_cast<std::uintptr_t>(SourceEnd(above));
  return start >= end && start - end <= kGap;
}

}  // namespace

void RowRuns::Clear() {
  runs_.clear();
  rowStarts_.clear();
}

void RowRuns::StartRow() { rowStarts_.push_back(runs_.size()); }

const Run* RowRuns::End(int row) const {
  const auto next = static_cast<std::size_t>(row) + 1;
  return runs_.data() + (next < rowStarts_.size() ? rowStarts_[next] : runs_.size());
}

Run* RowRuns::JoinableLast(Run::Kind kind, int x0) {
  if (runs_.size() <= rowStarts_.back()) return nullptr;
  Run& last = runs_.back();
  return last.kind == kind && last.x1 == x0 ? &last : nullptr;
}

void RowRuns::Copy(int x0, int x1, const std::uint32_t* first) {
  if (x1 <= x0) return;
  Run* last = JoinableLast(Run::Kind::Copy, x0);
  if (last && last->a + (x0 - last->x0) == first) {
    last->x1 = x1;
    return;
  }
  runs_.push_back({Run::Kind::Copy, x0, x1, first, nullptr, nullptr, 0, 0, 0});
}

void RowRuns::Fill(int x0, int x1, std::uint32_t colour) {
  if (x1 <= x0) return;
  Run* last = JoinableLast(Run::Kind::Fill, x0);
  if (last && last->colour == colour) {
    last->x1 = x1;
    return;
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

void RowRuns::Prefetch(int row) const {
  const Run* above = Begin(row - 1);
  const Run* aboveEnd = End(row - 1);
  for (const Run* run = Begin(row); run != End(row); ++run, ++above) {
    if (run->kind == Run::Kind::Fill) continue;
    if (above < aboveEnd && Continues(*run, *above)) continue;
    const std::uint32_t* start = SourceStart(*run);
    PrefetchPixels(start, static_cast<int>(SourceEnd(*run) - start));
    if (run->kind == Run::Kind::Ramp) PrefetchPixels(run->b, run->x1 - run->x0);
  }
}

void RowRuns::Paint(int row, std::uint32_t* out) const {
  for (const Run* run = Begin(row); run != End(row); ++run) {
    std::uint32_t* dst = out + run->x0;
    const int count = run->x1 - run->x0;
    switch (run->kind) {
      case Run::Kind::Copy: CopyPixels(dst, run->a, count); break;
      case Run::Kind::Fill: FillPixels(dst, run->colour, count); break;
      case Run::Kind::Gather: GatherPixels(dst, run->a, run->columns, count); break;
      case Run::Kind::Ramp: RampPixels(dst, run->a, run->b, count, run->alpha16, run->step16); break;
    }
  }
}

}  // namespace velvora::effects
